#include <QMdiArea>
#include <QScrollBar>

#include "mainwindowfixture.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

class DrawListScrollTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(300));
        Start();
        QMdiSubWindow* window = ChooseWindow("openCarryOverAction");
        ASSERT_NE(window, nullptr);
        mGrid = window->findChild<GridView*>(QStringLiteral("gridView"));
        ASSERT_NE(mGrid, nullptr);
    }

    void Reload(int draws) {
        WriteHistory(PatternDraws(draws));
        mMain->ReloadHistory();
    }

    QString LastShownDraw() const {
        const int row = mGrid->rowAt(mGrid->viewport()->height() - 1);
        return mGrid->model()->index(row, 0).data().toString();
    }

    GridView* mGrid = nullptr;
};

TEST_F(DrawListScrollTest, OpensAtTheNewestDrawUnderItsTitleRow) {
    EXPECT_TRUE(mGrid->ShowsLastRow());
    EXPECT_GT(mGrid->ScrollPosition().y(), 0);
    EXPECT_EQ(LastShownDraw().trimmed(), QStringLiteral("300"));

    const auto* titles = mGrid->findChild<GridView*>(QStringLiteral("frozenRows"));
    ASSERT_NE(titles, nullptr);
    EXPECT_TRUE(titles->isVisible());
    EXPECT_EQ(titles->height(), mGrid->rowHeight(0));
    EXPECT_EQ(titles->width(), mGrid->viewport()->width());
    EXPECT_EQ(titles->rowAt(0), 0);
    EXPECT_EQ(titles->model()->index(0, 0).data().toString(), QStringLiteral("回数"));

    // Made smaller, as by a tiling, it still shows the newest draw.
    QMdiSubWindow* window = mMain->MdiArea().activeSubWindow();
    window->resize(window->width(), window->height() / 3);
    EXPECT_EQ(LastShownDraw().trimmed(), QStringLiteral("300"));
}

// After the history is read again the list stays where the user scrolled it; one who was at the
// newest draw sees the new newest draw.
TEST_F(DrawListScrollTest, ReloadKeepsWhereTheUserWas) {
    const QPoint somewhere(0, 5 * mGrid->rowHeight(1));
    mGrid->ScrollTo(somewhere);
    Reload(301);
    EXPECT_EQ(mGrid->ScrollPosition(), somewhere);

    mGrid->ScrollToLastRow();
    Reload(302);
    EXPECT_TRUE(mGrid->ShowsLastRow());
    EXPECT_EQ(LastShownDraw().trimmed(), QStringLiteral("302"));
}

}  // namespace
}  // namespace pirumo::test
