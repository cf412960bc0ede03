#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/helpwindow.h"
#include "history/ui/entrywindow.h"
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

TEST_F(KeyboardTest, CtrlF4ClosesTheActiveChildWindow) {
    // As a window manager does, the main window is active, so that closing one child activates
    // the next.
    const auto pressCtrlF4 = [this] {
        mMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mMain.get()));
        QTest::keyClick(mMain.get(), Qt::Key_F4, Qt::ControlModifier);
    };
    QMdiSubWindow* first = ChooseWindow("openAppearanceCountAction");
    QMdiSubWindow* second = ChooseWindow("openCarryOverAction");
    ASSERT_EQ(mMain->MdiArea().currentSubWindow(), second);

    pressCtrlF4();
    EXPECT_EQ(Children(), std::vector<QMdiSubWindow*>{first});
    pressCtrlF4();
    ASSERT_TRUE(Children().empty());

    // Also while the entry window shows its own menu in place of the main menus.
    ASSERT_NE(qobject_cast<EntryWindow*>(ChooseWindow("openEntryAction")), nullptr);
    pressCtrlF4();
    EXPECT_TRUE(Children().empty());
}

TEST_F(KeyboardTest, TheHelpWindowClosesByEscCtrlWAndItsCloseButton) {
    const std::vector<std::function<void(HelpWindow&)>> ways = {
        [](HelpWindow& help) { QTest::keyClick(&help, Qt::Key_Escape); },
        [](HelpWindow& help) { QTest::keyClick(&help, Qt::Key_W, Qt::ControlModifier); },
        [](HelpWindow& help) {
            auto* button = help.findChild<QPushButton*>(QStringLiteral("closeButton"));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), QStringLiteral("閉じる"));
            button->click();
        },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        SCOPED_TRACE(way);
        Choose("showHelpAction");
        auto* help = mMain->findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        ways[way](*help);
        EXPECT_FALSE(help->isVisible());
    }
}

}  // namespace
}  // namespace pirumo::test
