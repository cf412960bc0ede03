#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "app/helpwindow.h"
#include "mainwindowfixture.h"

namespace pirumo::test {
namespace {

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(5));
        Start();
    }
};

TEST_F(KeyboardTest, CtrlF4ClosesTheActiveChildWindowAndTheNextOneBecomesActive) {
    QMdiSubWindow* first = ChooseWindow("openAppearanceCountAction");
    ChooseWindow("openCarryOverAction");
    QTest::keyClick(mMain.get(), Qt::Key_F4, Qt::ControlModifier);
    ASSERT_EQ(Children(), std::vector<QMdiSubWindow*>{first});
    EXPECT_EQ(mMain->MdiArea().currentSubWindow(), first);
    QTest::keyClick(mMain.get(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(Children().empty());
}

TEST_F(KeyboardTest, TheHelpWindowClosesByEscCtrlWAndItsCloseButton) {
    for (const int way : {0, 1, 2}) {
        SCOPED_TRACE(way);
        Choose("showHelpAction");
        auto* help = mMain->findChild<HelpWindow*>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        if (way == 2) {
            help->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        } else {
            QTest::keyClick(help, way == 0 ? Qt::Key_Escape : Qt::Key_W,
                            way == 0 ? Qt::NoModifier : Qt::ControlModifier);
        }
        EXPECT_FALSE(help->isVisible());
    }
}

}  // namespace
}  // namespace pirumo::test
