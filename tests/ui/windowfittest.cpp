#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "analyses/ui/analysiswindow.h"
#include "app/mainmenu.h"
#include "mainwindowfixture.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

class WindowFitTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(400));
        Start();
    }

    QRect Area() const { return mMain->MdiArea().viewport()->rect(); }
};

// Every window of the menus, on the screens the program is used on: the window lies within the
// main window's area and its 閉じる button is in view whole.
TEST_F(WindowFitTest, EveryWindowOpensWithinTheAreaWithItsCloseButtonInView) {
    const QSize kScreens[] = {{1440, 900}, {1024, 768}};
    for (const QSize screen : kScreens) {
        mMain->resize(screen);
        QCoreApplication::processEvents();
        for (const MainMenuItem& item : MainMenuItems()) {
            if (item.window == nullptr) {
                continue;
            }
            SCOPED_TRACE(testing::Message()
                         << item.window << " at " << screen.width() << "x" << screen.height());
            QMdiSubWindow* window = ChooseWindow(item.name);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(Area().contains(window->geometry()))
                << window->geometry().height() << " px tall at " << window->y() << " in "
                << Area().height() << " px";
            auto* close = window->findChild<QPushButton*>(QStringLiteral("closeButton"));
            ASSERT_NE(close, nullptr);
            EXPECT_EQ(close->visibleRegion().boundingRect(), close->rect());
            window->close();
            FlushDeletes();
        }
    }
}

}  // namespace
}  // namespace pirumo::test
