#include <gtest/gtest.h>

#include <QPushButton>

#include "analyses/analysiscatalog.h"
#include "analyses/chance/chancegrid.h"
#include "analyses/ui/analysiswindow.h"
#include "analyses/ui/chanceview.h"
#include "grid/gridexport.h"
#include "history/store/samplehistory.h"
#include "testwindowhost.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

// 偶然との比較 takes the grid's place and gives it back, the grid itself untouched.
TEST(ChanceView, ButtonSwapsTheGridForTheComparisonAndBack) {
    TestWindowHost host(DrawHistory(MakeSampleHistory(200, 3)));
    const Analysis* analysis = FindAnalysis("数字合計分析");
    auto& window = host.Add(new AnalysisWindow(*analysis, host));
    window.Load();
    window.show();
    const std::string gridText = GridToText(window.Grid());
    auto* button = window.findChild<QPushButton*>(QStringLiteral("chanceButton"));
    auto* grid = window.findChild<GridView*>(QStringLiteral("gridView"));
    ASSERT_NE(button, nullptr);
    // The comparison is made on its first showing.
    EXPECT_EQ(window.findChild<ChanceView*>(QStringLiteral("chanceView")), nullptr);

    button->click();
    auto* chance = window.findChild<ChanceView*>(QStringLiteral("chanceView"));
    ASSERT_NE(chance, nullptr);
    EXPECT_TRUE(chance->isVisible());
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("表に戻る"));
    EXPECT_TRUE(window.widget()->rect().contains(chance->geometry()));
    const ChanceReport report = analysis->chance(host.History());
    EXPECT_EQ(chance->Grid().CellText(1, 1), ChanceTestLine(report.test));
    auto* chanceGrid = chance->findChild<GridView*>(QStringLiteral("chanceGridView"));
    ASSERT_NE(chanceGrid, nullptr);
    EXPECT_EQ(chanceGrid->model()->rowCount(), chance->Grid().RowCount());
    // 印刷 prints the comparison after the grid while it is shown, then the charts.
    const PrintDocument printed = window.PrintDocumentOf(QDate(2026, 6, 1));
    ASSERT_EQ(printed.blocks.size(), 3u);
    EXPECT_EQ(printed.blocks[0].grid, &window.Grid());
    EXPECT_EQ(printed.blocks[1].grid, &chance->Grid());

    window.Recompute();
    EXPECT_TRUE(chance->isVisible());
    EXPECT_EQ(chance->Grid().CellText(1, 1), ChanceTestLine(report.test));

    button->click();
    EXPECT_FALSE(chance->isVisible());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("偶然との比較"));
    EXPECT_EQ(GridToText(window.Grid()), gridText);
    EXPECT_EQ(window.PrintDocumentOf(QDate(2026, 6, 1)).blocks.size(), 2u);
    window.close();
}

// In a window too narrow for the whole caption the button says 比較 and keeps clear of 印刷.
TEST(ChanceView, NarrowWindowGetsAShortCaption) {
    TestWindowHost host(DrawHistory(MakeSampleHistory(100, 3)));
    auto& window = host.Add(new AnalysisWindow(*FindAnalysis("回数別出現分析"), host));
    window.Load();
    window.show();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("chanceButton"));
    auto* print = window.findChild<QPushButton*>(QStringLiteral("printButton"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("比較"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("偶然との比較"));
    EXPECT_FALSE(button->geometry().intersects(print->geometry()));
    button->click();
    EXPECT_EQ(button->text(), QStringLiteral("表"));
    EXPECT_FALSE(button->geometry().intersects(print->geometry()));
    window.close();
}

}  // namespace
}  // namespace pirumo::test
