#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "app/programicon.h"

namespace pirumo::test {
namespace {

// The icon waits for the first window on screen, and then comes without further ado.
TEST(ProgramIconTest, IsSetOnceTheFirstWindowIsOnScreen) {
    QApplication::setWindowIcon(QIcon());
    SetProgramIconOnceOnScreen();
    QWidget hidden;
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().isNull());

    QWidget shown;
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), ProgramIcon().availableSizes());
    QApplication::setWindowIcon(QIcon());
}

}  // namespace
}  // namespace pirumo::test
