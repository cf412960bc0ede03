#include "print/pagelayout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <map>
#include <tuple>

#include "../core/testhistory.h"
#include "analyses/analysiscatalog.h"
#include "print/analysisprint.h"
#include "print/gridgeometry.h"

namespace pirumo {
namespace {

// A grid of `columns` x `rows` cells 5 characters wide and 10 points high, with a header band
// of `titleRows` rows and the draw numbers in column 1 below it.
ResultGrid NumberedGrid(int columns, int rows, int titleRows) {
    ResultGrid grid;
    grid.SetColumnCount(columns);
    grid.SetRowCount(rows);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    for (int r = 1; r <= titleRows; ++r) {
        grid.SetCellText(1, r, "回数");
    }
    for (int r = titleRows + 1; r <= rows; ++r) {
        grid.SetCellText(1, r, r - titleRows);
    }
    return grid;
}

PrintDocument OneGrid(const ResultGrid& grid, int titleRows) {
    PrintDocument document;
    document.caption = QStringLiteral("見本");
    document.blocks.push_back({{{QStringLiteral("説明"), false}}, &grid, titleRows});
    return document;
}

// Portrait A4 less 10 mm margins, in page units, less room for a heading and a footer.
const QRectF kBody(0, 600, 10770, 15000);

double SliceWidth(const GridGeometry& geometry, const GridSlice& slice) {
    double width = 0;
    for (int c : slice.columns) {
        width += geometry.ColumnWidth(c);
    }
    return width * slice.scale;
}

double SliceHeight(const GridGeometry& geometry, const GridSlice& slice) {
    double height = 0;
    for (int r : slice.rows) {
        height += geometry.RowHeight(r);
    }
    return height * slice.scale;
}

TEST(PageLayout, LongGridRepeatsItsTitleRowsAndPrintsEveryRowOnceInOrder) {
    const ResultGrid grid = NumberedGrid(13, 1355, 2);
    const GridGeometry geometry(grid);
    const std::vector<PrintPage> pages = LayOutPages(OneGrid(grid, 2), kBody);

    ASSERT_GT(pages.size(), 10u);
    std::vector<int> dataRows;
    for (const PrintPage& page : pages) {
        ASSERT_EQ(page.slices.size(), 1u);
        const GridSlice& slice = page.slices.front();
        EXPECT_DOUBLE_EQ(slice.scale, 1.0);
        ASSERT_GE(slice.rows.size(), 3u);
        EXPECT_EQ(slice.rows[0], 1);
        EXPECT_EQ(slice.rows[1], 2);
        dataRows.insert(dataRows.end(), slice.rows.begin() + 2, slice.rows.end());
        EXPECT_LE(slice.origin.y() + SliceHeight(geometry, slice), kBody.bottom() + 0.5);
        EXPECT_GE(slice.origin.y(), kBody.top());
    }
    ASSERT_EQ(dataRows.size(), 1353u);
    for (std::size_t i = 0; i < dataRows.size(); ++i) {
        ASSERT_EQ(dataRows[i], static_cast<int>(i) + 3);
    }
    // The description goes on the first page only, above the grid.
    ASSERT_EQ(pages.front().lines.size(), 1u);
    EXPECT_LE(pages.front().lines.front().rect.bottom(), pages.front().slices.front().origin.y());
    EXPECT_TRUE(pages.back().lines.empty());
}

TEST(PageLayout, WideGridIsScaledToThePageThenSplitByColumnsRepeatingColumnOne) {
    struct Case {
        int columns;
        bool split;
    };
    for (const Case& c : {Case{13, false}, Case{20, false}, Case{313, true}}) {
        SCOPED_TRACE(c.columns);
        const ResultGrid grid = NumberedGrid(c.columns, 33, 2);
        const GridGeometry geometry(grid);
        const std::vector<PrintPage> pages = LayOutPages(OneGrid(grid, 2), kBody);

        std::vector<int> columns;
        std::size_t bands = 0;
        for (const PrintPage& page : pages) {
            for (const GridSlice& slice : page.slices) {
                ++bands;
                EXPECT_GE(slice.scale, kMinimumGridScale - 1e-9);
                EXPECT_LE(SliceWidth(geometry, slice), kBody.width() + 0.5);
                EXPECT_EQ(slice.rows.size(), 33u) << "33 rows fit on any page";
                EXPECT_EQ(slice.columns.front(), 1);
                columns.insert(columns.end(), slice.columns.begin() + (bands > 1 ? 1 : 0),
                               slice.columns.end());
            }
        }
        EXPECT_EQ(bands > 1, c.split);
        ASSERT_EQ(columns.size(), static_cast<std::size_t>(c.columns));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            ASSERT_EQ(columns[i], static_cast<int>(i) + 1);
        }
        if (!c.split && geometry.Width() > kBody.width()) {
            EXPECT_NEAR(pages.front().slices.front().scale, kBody.width() / geometry.Width(), 1e-9);
        }
    }
}

TEST(PageLayout, LandscapeOnlyForGridsWiderThanAPortraitPage) {
    const ResultGrid narrow = NumberedGrid(13, 40, 2);
    const ResultGrid wide = NumberedGrid(100, 40, 2);
    EXPECT_EQ(DefaultPageLayout(OneGrid(narrow, 2)).orientation(), QPageLayout::Portrait);
    EXPECT_EQ(DefaultPageLayout(OneGrid(wide, 2)).orientation(), QPageLayout::Landscape);
    EXPECT_EQ(DefaultPageLayout(OneGrid(wide, 2)).pageSize().id(), QPageSize::A4);
    EXPECT_EQ(DefaultPageLayout(OneGrid(narrow, 2), QPageSize(QPageSize::Letter)).pageSize().id(),
              QPageSize::Letter);
}

TEST(PageLayout, BlocksFollowEachOtherAndAGridThatDoesNotFitStartsANewPage) {
    const ResultGrid small = NumberedGrid(6, 5, 1);
    const ResultGrid tall = NumberedGrid(6, 60, 1);
    PrintDocument document;
    document.blocks.push_back({{{QStringLiteral("一"), true}}, &small, 1});
    document.blocks.push_back({{{QStringLiteral("二"), false}}, &small, 1});
    document.blocks.push_back({{{QStringLiteral("三"), false}}, &tall, 1});
    const QRectF body(0, 0, 10000, 1800);  // 90 points: a small grid and a half
    const std::vector<PrintPage> pages = LayOutPages(document, body);

    ASSERT_GE(pages.size(), 3u);
    ASSERT_EQ(pages[0].slices.size(), 1u);
    ASSERT_EQ(pages[1].slices.size(), 1u) << "the second small grid does not fit below the first";
    EXPECT_EQ(pages[1].lines.front().line.text, QStringLiteral("二"));
    for (std::size_t p = 2; p < pages.size(); ++p) {
        EXPECT_EQ(pages[p].slices.front().rows.front(), 1) << "title row on page " << p + 1;
    }
}

TEST(PageLayout, TitleRowsAreTheHeaderBandOfEveryAnalysisWindow) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 40; ++n) {
        const auto number = [n](int offset) { return (n + offset) % 31 + 1; };
        draws.push_back(test::MakeDraw(
            n, {number(0), number(5), number(11), number(17), number(23)}, number(29)));
    }
    const DrawHistory history(draws);
    const std::map<std::string, int> expected{
        {"出現頻度分析", 2},
        {"回数別出現分析", 1},
        {"出現間隔分析", 2},
        {"数字間隔分析", 2},
        {"出現回数分析", 2},
        {"バラツキ分析", 2},
        {"引っ張り分析", 1},
        {"連番飛び石分析", 1},
        {"数字合計分析", 1},
        {"低数字高数字の組合せパターン分析", 1},
        {"偶数奇数の組合せパターン分析", 1},
        {"分割4傾向分析", 1},
        {"分割6データ分析", 3},
        {"分割7データ分析", 3},
        {"分割10データ分析", 3},
        {"下一桁出現傾向分析", 2},
        {"下一桁連続出現回数分析", 2},
        {"ペア分析", 1},
    };
    for (const Analysis& window : Analyses()) {
        ResultGrid grid;
        window.fillGrid(history, grid);
        ASSERT_TRUE(expected.count(window.name)) << window.name;
        EXPECT_EQ(TitleRowCount(grid), expected.at(window.name)) << window.name;
    }
    EXPECT_EQ(CoverageText(history), QStringLiteral("第1回〜第40回"));
    EXPECT_EQ(CoverageText(DrawHistory()), QString());
}

}  // namespace
}  // namespace pirumo

namespace pirumo {
namespace {

// A chart goes under a grid that leaves it room on the page, else on a page of its own, across
// the body's width at its aspect; the painter is handed the place it was given.
TEST(PageLayout, PicturesFollowTheGridOnItsLastPageWhenTheyFit) {
    const QRectF body(0, 0, 10000, 14000);
    for (const auto& [rows, pictures, pages] :
         {std::tuple{5, 1, 1}, std::tuple{5, 3, 2}, std::tuple{60, 1, 2}}) {
        SCOPED_TRACE(rows);
        const ResultGrid grid = NumberedGrid(3, rows, 1);
        PrintDocument document = OneGrid(grid, 1);
        std::vector<QRectF> painted;
        for (int i = 0; i < pictures; ++i) {
            document.blocks.back().pictures.push_back(
                {0.55, [&painted](QPainter&, const QRectF& area) { painted.push_back(area); }});
        }
        const std::vector<PrintPage> laidOut = LayOutPages(document, body);
        ASSERT_EQ(static_cast<int>(laidOut.size()), pages);
        const PlacedPicture& last = laidOut.back().pictures.back();
        EXPECT_EQ(last.rect.width(), body.width());
        EXPECT_DOUBLE_EQ(last.rect.height(), body.width() * 0.55);
        EXPECT_LE(last.rect.bottom(), body.bottom());
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        last.picture.paint(painter, last.rect);
        ASSERT_EQ(painted.size(), 1u);
        EXPECT_EQ(painted[0], last.rect);
    }
}

}  // namespace
}  // namespace pirumo
