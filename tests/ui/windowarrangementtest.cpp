#include <QMdiArea>

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

TEST_F(WindowArrangementTest, CascadeOffsetsEachWindowDownAndRightKeepingItsSize) {
    Choose("tileHorizontallyAction");  // sizes unlike the windows' own
    const QSize firstSize = mFirst->size();
    const QSize secondSize = mSecond->size();
    Choose("cascadeAction");
    EXPECT_EQ(mFirst->size(), firstSize);
    EXPECT_EQ(mSecond->size(), secondSize);
    // The active window in front, one title bar further down and right.
    const int title = mFirst->contentsMargins().top();
    EXPECT_GT(title, 0);
    EXPECT_EQ(mFirst->pos(), QPoint(0, 0));
    EXPECT_EQ(mSecond->pos(), QPoint(title, title));
    EXPECT_EQ(mMain->MdiArea().activeSubWindow(), mSecond);
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

}  // namespace
}  // namespace pirumo::test
