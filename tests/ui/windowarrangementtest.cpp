#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>

#include "analyses/ui/analysiswindowlayout.h"
#include "widgets/gridview.h"

#include "mainwindowfixture.h"

namespace pirumo::test {
namespace {

class WindowArrangementTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(10));
        Start();
        mFirst = ChooseWindow("openAppearanceCountAction");
        mSecond = ChooseWindow("openCarryOverAction");  // active
        mArea = mMain->MdiArea().viewport()->rect();
    }

    QMdiSubWindow* mFirst = nullptr;
    QMdiSubWindow* mSecond = nullptr;
    QRect mArea;
};

TEST_F(WindowArrangementTest, TileHorizontallyStacksFullWidthWindowsTopToBottom) {
    Choose("tileHorizontallyAction");
    const QRect top = mSecond->geometry();  // the active window comes first
    const QRect bottom = mFirst->geometry();
    EXPECT_EQ(top, QRect(0, 0, mArea.width(), mArea.height() / 2));
    EXPECT_EQ(bottom.left(), 0);
    EXPECT_EQ(bottom.width(), mArea.width());
    EXPECT_EQ(bottom.top(), top.bottom() + 1);
    EXPECT_EQ(bottom.bottom(), mArea.bottom());
}

TEST_F(WindowArrangementTest, TileVerticallyPlacesFullHeightWindowsSideBySide) {
    Choose("tileVerticallyAction");
    const QRect left = mSecond->geometry();
    const QRect right = mFirst->geometry();
    EXPECT_EQ(left, QRect(0, 0, mArea.width() / 2, mArea.height()));
    EXPECT_EQ(right.top(), 0);
    EXPECT_EQ(right.height(), mArea.height());
    EXPECT_EQ(right.left(), left.right() + 1);
    EXPECT_EQ(right.right(), mArea.right());
}

TEST_F(WindowArrangementTest, CascadeOffsetsEachWindowDownAndRightWithItsOwnSize) {
    const QSize firstSize = mFirst->size();
    const QSize secondSize = mSecond->size();
    Choose("tileVerticallyAction");
    Choose("tileHorizontallyAction");  // sizes unlike the windows' own
    ASSERT_NE(mFirst->size(), firstSize);
    Choose("cascadeAction");
    EXPECT_EQ(mFirst->size(), firstSize);
    EXPECT_EQ(mSecond->size(), secondSize);
    // The active window in front, one title bar further down and right.
    const int title = mFirst->contentsMargins().top();
    EXPECT_GT(title, 0);
    EXPECT_EQ(mFirst->pos(), QPoint(0, 0));
    EXPECT_EQ(mSecond->pos(), QPoint(title, title));
    EXPECT_EQ(mMain->MdiArea().activeSubWindow(), mSecond);

    // In an area smaller than the windows, the one further down is shortened to end in the area.
    mMain->resize(1200, 700);
    QCoreApplication::processEvents();
    Choose("tileHorizontallyAction");
    Choose("cascadeAction");
    const QRect smaller = mMain->MdiArea().viewport()->rect();
    for (const QMdiSubWindow* window : {mFirst, mSecond}) {
        EXPECT_TRUE(smaller.contains(window->geometry()));
    }
}

TEST_F(WindowArrangementTest, ArrangeIconsLinesMinimisedWindowsAlongTheBottom) {
    mFirst->showMinimized();
    mSecond->showMinimized();
    mFirst->move(200, 100);
    mSecond->move(50, 300);

    Choose("arrangeIconsAction");
    EXPECT_EQ(mFirst->geometry().bottom(), mArea.bottom());
    EXPECT_EQ(mSecond->geometry().bottom(), mArea.bottom());
    EXPECT_EQ(mFirst->x(), 0);
    EXPECT_EQ(mSecond->x(), mFirst->width());
}

TEST_F(WindowArrangementTest, TilingLeavesMinimisedWindowsAlone) {
    mFirst->showMinimized();
    Choose("tileHorizontallyAction");
    EXPECT_TRUE(mFirst->isMinimized());
    EXPECT_EQ(mSecond->geometry(), QRect(0, 0, mArea.width(), mArea.height()));
}

// Eight windows do not fit in bands of the area: each keeps its grid's title rows and three rows
// below them in view, and the area scrolls to the windows past its end.
TEST_F(WindowArrangementTest, TilingManyWindowsKeepsEveryGridAFewRowsTall) {
    const char* kMore[] = {"openAppearanceIntervalAction", "openNumberGapAction",
                           "openConsecutiveAction",        "openNumberSumAction",
                           "openLowHighPatternAction",     "openSevenGroupDataAction"};
    for (const char* item : kMore) {
        ChooseWindow(item);
    }
    ASSERT_EQ(Children().size(), 8U);
    for (const char* tiling : {"tileHorizontallyAction", "tileVerticallyAction"}) {
        Choose(tiling);
        for (QMdiSubWindow* window : Children()) {
            SCOPED_TRACE(testing::Message() << tiling << " " << window->objectName().toStdString());
            auto* grid = window->findChild<GridView*>(QStringLiteral("gridView"));
            ASSERT_NE(grid, nullptr);
            const int titleRows =
                AnalysisWindowLayoutOf(window->objectName().toStdString()).titleRows;
            const int rowHeight = grid->verticalHeader()->defaultSectionSize();
            EXPECT_GE(grid->viewport()->height(), (titleRows + 3) * rowHeight);
            EXPECT_LE(grid->geometry().bottom(), window->widget()->height());
        }
    }
    EXPECT_TRUE(mMain->MdiArea().horizontalScrollBar()->isVisible());
}

// The window menu lists the windows on show, numbered in the order they were opened, with the
// active one checked; choosing one brings it forward, and すべて閉じる closes them all.
TEST_F(WindowArrangementTest, WindowMenuListsTheOpenWindowsAndClosesThemAll) {
    auto* menu = mMain->findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(menu, nullptr);
    mFirst->showMinimized();
    mMain->MdiArea().setActiveSubWindow(mSecond);
    for (int opening = 0; opening < 2; ++opening) {  // a second opening does not list them twice
        emit menu->aboutToShow();
    }
    QStringList listed;
    for (QAction* item : menu->actions()) {
        if (item->objectName().startsWith(QStringLiteral("showWindowAction"))) {
            listed << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
        }
    }
    EXPECT_EQ(listed.join(QStringLiteral(" / ")).toStdString(),
              "&1 出現回数分析 / &2 引っ張り分析 *");

    mMain->findChild<QAction*>(QStringLiteral("showWindowAction1"))->trigger();
    EXPECT_EQ(mMain->MdiArea().activeSubWindow(), mFirst);
    EXPECT_FALSE(mFirst->isMinimized());

    Choose("closeAllWindowsAction");
    EXPECT_TRUE(Children().empty());
}

}  // namespace
}  // namespace pirumo::test
