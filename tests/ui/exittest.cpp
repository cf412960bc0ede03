#include <QAction>
#include <QApplication>
#include <QMdiArea>

#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

class ExitTest : public MainWindowTest {};

TEST_F(ExitTest, ExitWithWindowsOpenAsksNothingAndClosesEveryWindow) {
    WriteHistory(PatternDraws(10));
    MainWindow& main = Start();
    ChooseWindow("openAppearanceCountAction");
    ChooseWindow("openCarryOverAction");
    Choose("showAboutAction");
    Choose("showHelpAction");
    QPointer<QWidget> about = main.findChild<AboutBox*>();
    QPointer<QWidget> help = main.findChild<HelpWindow*>();
    ASSERT_FALSE(about.isNull());
    ASSERT_FALSE(help.isNull());

    ModalAnswerer answerer;
    Choose("exitAction");
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST_F(ExitTest, ClosingTheWindowByItsCloseBoxDoesTheSame) {
    WriteHistory(PatternDraws(10));
    MainWindow& main = Start();
    ChooseWindow("openAppearanceCountAction");

    ModalAnswerer answerer;
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_TRUE(Children().empty());
}

}  // namespace
}  // namespace pirumo::test
