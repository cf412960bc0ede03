#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGreen = MakeRgb(0, 160, 0);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);

QColor ToColor(Rgb c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// A view of `grid` shown offscreen at a size that shows all of it.
class GridViewTest : public testing::Test {
protected:
    void Show(ResultGrid& grid) {
        mView = std::make_unique<GridView>();
        mView->SetGrid(grid);
        mView->resize(mView->sizeHint());
        mView->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mView.get()));
    }

    QImage Picture() const { return mView->viewport()->grab().toImage(); }

    // Rectangle of grid cell (column, row) in viewport pixels.
    QRect CellRect(int column, int row) const {
        return mView->visualRect(mView->model()->index(row - 1, column - 1));
    }

    // Pixels in `rect` of `picture` whose colour is close to `colour`.
    static int CountNear(const QImage& picture, const QRect& rect, const QColor& colour) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) < 60 &&
                    std::abs(c.green() - colour.green()) < 60 &&
                    std::abs(c.blue() - colour.blue()) < 60) {
                    ++count;
                }
            }
        }
        return count;
    }

    std::unique_ptr<GridView> mView;
};

// Four columns, three rows: a long left-aligned header text in (1,1) over empty (2,1) and
// (3,1), a pale yellow data row with red text, blue borders around a block.
ResultGrid SampleGrid(bool overflow) {
    ResultGrid grid;
    grid.SetColumnCount(4);
    grid.SetRowCount(3);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 20);
    grid.SetAllowOverflow(overflow);
    grid.Cell(1, 1);
    grid.SetText("WWWWWWWWWWWWWWWWWWWW");
    grid.SetAlignment(HAlign::Left);
    grid.SetCellText(4, 1, "x");
    grid.Block(1, 2, 4, 2);
    grid.SetForeColor(kRed);
    grid.SetBackColor(kPaleYellow);
    grid.SetCellText(2, 2, "88");
    grid.Block(2, 3, 3, 3);
    grid.SetCellBorder(border::kAll, kBlue);
    grid.SetBlockMode(false);
    grid.ActivateCell(0, 0);
    return grid;
}

TEST_F(GridViewTest, LongTextRunsIntoEmptyNeighboursOnlyWhenOverflowIsOn) {
    ResultGrid on = SampleGrid(true);
    Show(on);
    QImage picture = Picture();
    const QRect second = CellRect(2, 1);
    const QRect third = CellRect(3, 1);
    EXPECT_GT(CountNear(picture, second, Qt::black), 10);
    EXPECT_GT(CountNear(picture, third, Qt::black), 10);

    ResultGrid off = SampleGrid(false);
    Show(off);
    picture = Picture();
    EXPECT_EQ(CountNear(picture, CellRect(2, 1), Qt::black), 0);
    // Confined to its cell, the text is drawn condensed there.
    EXPECT_GT(CountNear(picture, CellRect(1, 1), Qt::black), 5);
}

TEST_F(GridViewTest, OverflowStopsAtACellWithText) {
    ResultGrid grid = SampleGrid(true);
    grid.SetCellText(3, 1, "");
    grid.SetCellText(2, 1, "");
    grid.Cell(1, 1);
    grid.SetText(std::string(60, 'W'));
    Show(grid);
    const QImage picture = Picture();
    // Column 4 holds "x" of its own: only its own small text, not the run of W's.
    EXPECT_LT(CountNear(picture, CellRect(4, 1), Qt::black), 40);
    EXPECT_GT(CountNear(picture, CellRect(3, 1), Qt::black), 40);
}

TEST_F(GridViewTest, BackAndTextColoursFillTheirCells) {
    ResultGrid grid = SampleGrid(true);
    Show(grid);
    const QImage picture = Picture();
    const QRect cell = CellRect(2, 2);
    EXPECT_EQ(picture.pixelColor(cell.left() + 2, cell.top() + 2), ToColor(kPaleYellow));
    EXPECT_GT(CountNear(picture, cell, ToColor(kRed)), 5);
    EXPECT_EQ(CountNear(picture, CellRect(1, 2), ToColor(kRed)), 0);  // no text there
}

TEST_F(GridViewTest, BordersAreDrawnLastOnSharedEdgesInEachSidesColour) {
    ResultGrid grid = SampleGrid(true);
    grid.Cell(1, 3);
    grid.SetCellBorder(border::kBottom, kGreen);
    Show(grid);
    const QImage picture = Picture();
    const QRect left = CellRect(2, 3);
    const QRect right = CellRect(3, 3);
    const int middle = left.center().y();
    // The shared edge of the two bordered cells is one blue line on the left cell's last column.
    EXPECT_EQ(picture.pixelColor(left.right(), middle), ToColor(kBlue));
    EXPECT_NE(picture.pixelColor(right.left(), middle), ToColor(kBlue));
    // Left edge of the block on the neighbour's last column; top edge on the row above.
    EXPECT_EQ(picture.pixelColor(left.left() - 1, middle), ToColor(kBlue));
    EXPECT_EQ(picture.pixelColor(left.center().x(), left.top() - 1), ToColor(kBlue));
    EXPECT_EQ(picture.pixelColor(right.right(), middle), ToColor(kBlue));
    // A single side in its own colour; no other side of that cell.
    const QRect green = CellRect(1, 3);
    EXPECT_EQ(picture.pixelColor(green.center().x(), green.bottom()), ToColor(kGreen));
    EXPECT_NE(picture.pixelColor(green.left(), green.center().y()), ToColor(kGreen));
    // No grid lines where no border was set.
    const QRect plain = CellRect(4, 2);
    EXPECT_EQ(picture.pixelColor(plain.right(), plain.center().y()), ToColor(kPaleYellow));
}

TEST_F(GridViewTest, SizesFollowCharactersAndPoints) {
    ResultGrid grid = SampleGrid(true);
    grid.SetColumnWidth(3, 10);
    Show(grid);
    EXPECT_EQ(mView->columnWidth(0), mView->ColumnWidthPixels(5));
    EXPECT_GT(mView->columnWidth(2), mView->columnWidth(0) * 3 / 2);
    EXPECT_EQ(mView->rowHeight(1),
              std::max(qRound(10 * mView->logicalDpiY() / 72.0), mView->MinimumRowPixels()));
    EXPECT_EQ(mView->rowHeight(0), qRound(20 * mView->logicalDpiY() / 72.0));
    // Five characters of the grid font hold five digits.
    EXPECT_GE(mView->columnWidth(0),
              QFontMetrics(mView->font()).horizontalAdvance(QStringLiteral("00000")));
}

// The first and last pixel rows of the cell that hold red ink.
std::pair<int, int> RedInkRows(const QImage& picture, const QRect& cell) {
    int first = -1;
    int last = -1;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 120 && c.blue() < 120) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// 数字 in a row of 9 points, the shortest any window uses, is drawn whole: as tall as in a tall row
// and clear of the border lines above and below it, also in the first row.
TEST_F(GridViewTest, ShortRowsShowWholeGlyphs) {
    ResultGrid grid;
    grid.SetColumnCount(1);
    grid.SetRowCount(3);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 8);
    grid.SetRowHeight(ResultGrid::kAll, 9);
    grid.SetRowHeight(3, 30);
    grid.Block(1, 1, 1, 3);
    grid.SetCellBorder(border::kAll, kBlue);
    grid.SetForeColor(kRed);
    grid.SetBlockMode(false);
    grid.SetCellText(1, 1, "数字");
    grid.SetCellText(1, 2, "数字");
    grid.SetCellText(1, 3, "数字");
    grid.ActivateCell(0, 0);
    Show(grid);
    const QImage picture = Picture();

    const auto [shortTop, shortBottom] = RedInkRows(picture, CellRect(1, 2));
    const auto [tallTop, tallBottom] = RedInkRows(picture, CellRect(1, 3));
    ASSERT_GE(shortTop, 0);
    EXPECT_EQ(shortBottom - shortTop, tallBottom - tallTop) << "glyphs cut in the short row";
    EXPECT_GT(shortTop, CellRect(1, 2).top() - 1) << "touches the line above";
    EXPECT_LT(shortBottom, CellRect(1, 2).bottom()) << "touches the line below";
    // The first row holds its own top line too.
    const auto [firstTop, firstBottom] = RedInkRows(picture, CellRect(1, 1));
    EXPECT_EQ(firstBottom - firstTop, tallBottom - tallTop) << "glyphs cut in the first row";
    EXPECT_GT(firstTop, CellRect(1, 1).top()) << "drawn over by the first row's top line";
    EXPECT_LT(firstBottom, CellRect(1, 1).bottom()) << "touches the first row's bottom line";
}

// The layout of a text is kept between cells and paints: every copy of a text is drawn in its own
// cell, the same in each, and a change of font lays it out again.
TEST_F(GridViewTest, RepeatedTextsLandInTheirOwnCellsAndFollowTheFont) {
    ResultGrid grid;
    grid.SetColumnCount(2);
    grid.SetRowCount(3);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 8);
    grid.Block(1, 1, 2, 3);
    grid.SetForeColor(kRed);
    grid.SetBlockMode(false);
    for (int row = 1; row <= 3; ++row) {
        grid.SetCellText(row == 2 ? 2 : 1, row, "数字");
    }
    grid.ActivateCell(0, 0);
    Show(grid);
    const QImage first = Picture();
    const QImage again = Picture();
    EXPECT_EQ(first, again);
    const QRect top = CellRect(1, 1);
    const auto [topFirst, topLast] = RedInkRows(first, top);
    ASSERT_GE(topFirst, top.top());
    for (const auto& [column, row] : {std::pair{2, 2}, std::pair{1, 3}}) {
        const QRect cell = CellRect(column, row);
        const auto [inkFirst, inkLast] = RedInkRows(first, cell);
        EXPECT_EQ(inkFirst - cell.top(), topFirst - top.top()) << "row " << row;
        EXPECT_EQ(first.copy(cell), first.copy(top)) << "row " << row;
    }
    EXPECT_EQ(RedInkRows(first, CellRect(2, 1)).first, -1) << "a copy drawn in a cell without text";

    QFont larger = mView->font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    mView->setFont(larger);
    const auto [largerFirst, largerLast] = RedInkRows(Picture(), CellRect(1, 1));
    EXPECT_GT(largerLast - largerFirst, topLast - topFirst);
}

// The frozen title rows are a second view over a model of those rows only, so that a long grid's
// rows are not held twice; it follows the grid through Refresh() and SetGrid().
TEST_F(GridViewTest, FrozenRowsHoldOnlyTheTitleRowsAndFollowTheGrid) {
    ResultGrid grid;
    grid.SetColumnCount(2);
    grid.SetRowCount(1000);
    grid.SetCellText(1, 1, "回数");
    Show(grid);
    mView->SetFrozenRows(2);
    const auto* titles = mView->findChild<GridView*>(QStringLiteral("frozenRows"));
    ASSERT_NE(titles, nullptr);
    const auto titleAt = [titles](int column) {
        return titles->model()->index(0, column - 1).data().toString();
    };
    EXPECT_EQ(titles->model()->rowCount(), 2);
    EXPECT_EQ(titleAt(1), QStringLiteral("回数"));

    grid.SetCellText(2, 1, "数字");
    mView->Refresh();
    EXPECT_EQ(titleAt(2), QStringLiteral("数字"));

    ResultGrid other;
    other.SetColumnCount(1);
    other.SetRowCount(1);
    other.SetCellText(1, 1, "合計");
    mView->SetGrid(other);
    EXPECT_EQ(titles->model()->rowCount(), 1);
    EXPECT_EQ(titleAt(1), QStringLiteral("合計"));
}

TEST_F(GridViewTest, StaticCellsCannotBeEditedAndNothingShowsAsSelected) {
    ResultGrid grid = SampleGrid(true);
    Show(grid);
    EXPECT_FALSE(mView->currentIndex().isValid());
    EXPECT_FALSE(mView->selectionModel()->hasSelection());
    const QImage before = Picture();

    mView->setFocus();
    QTest::mouseDClick(mView->viewport(), Qt::LeftButton, {}, CellRect(2, 2).center());
    QTest::keyClicks(mView.get(), QStringLiteral("12"));
    QApplication::processEvents();
    EXPECT_EQ(mView->findChild<QLineEdit*>(), nullptr);
    EXPECT_EQ(grid.CellText(2, 2), "88");
    EXPECT_FALSE(mView->GridModel()->flags(mView->model()->index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(Picture(), before);
}

TEST_F(GridViewTest, HeadersShowOnlyWhenTheGridAsksAndCarryTheirTexts) {
    ResultGrid grid = SampleGrid(true);
    Show(grid);
    EXPECT_FALSE(mView->horizontalHeader()->isVisible());
    EXPECT_FALSE(mView->verticalHeader()->isVisible());

    grid.SetHeadersVisible(true, true);
    grid.SetCellText(2, 0, "第1数字");
    mView->Refresh();
    EXPECT_TRUE(mView->horizontalHeader()->isVisible());
    EXPECT_EQ(mView->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("第1数字"));
    EXPECT_EQ(mView->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("A"));
    EXPECT_EQ(mView->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
}

TEST_F(GridViewTest, LargeGridScrollsToItsLastRow) {
    ResultGrid grid;
    grid.SetColumnCount(33);
    grid.SetRowCount(1400);
    grid.SetVisibleSize(33, 40);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::Both);
    grid.SetColumnWidth(ResultGrid::kAll, 3);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellBorder(border::kAll);
    grid.SetBlockMode(false);
    for (int r = 1; r <= 1400; ++r) {
        grid.SetCellText(1, r, r);
    }
    grid.Cell(1, 1400);
    grid.SetForeColor(kRed);
    Show(grid);
    mView->verticalScrollBar()->setValue(mView->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const QImage picture = Picture();
    const QRect last = CellRect(1, 1400);
    ASSERT_TRUE(picture.rect().contains(last.center()));
    EXPECT_GT(CountNear(picture, last, ToColor(kRed)), 3);
}

}  // namespace
}  // namespace pirumo::test
