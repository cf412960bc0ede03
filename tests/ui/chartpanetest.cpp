#include <gtest/gtest.h>

#include "widgets/chartpane.h"

namespace pirumo::test {
namespace {

Chart CountsChart() {
    return {
        .title = "出現回数",
        .x = {.title = "数字"},
        .y = {.title = "回"},
        .categories = {"1", "2", "3"},
        .series = {{.kind = ChartSeriesKind::Bars, .name = "実際", .x = {0, 1, 2}, .y = {4, 9, 1}},
                   {.kind = ChartSeriesKind::Points,
                    .role = ChartRole::Above,
                    .x = {1},
                    .y = {9},
                    .labels = {"2"}}}};
}

// The charts are made, and the module loaded, only once the pane is on screen.
TEST(ChartPaneTest, MakesAndDrawsItsChartsWhenFirstShown) {
    ChartPane pane;
    int made = 0;
    pane.Show([&made] {
        ++made;
        return std::vector<Chart>{CountsChart(), CountsChart()};
    });
    EXPECT_EQ(made, 0);
    EXPECT_EQ(pane.findChild<QWidget*>(QStringLiteral("chartsView")), nullptr);
    pane.resize(500, 700);
    pane.show();
    EXPECT_EQ(made, 1);
    ASSERT_NE(pane.findChild<QWidget*>(QStringLiteral("chartsView")), nullptr);
    EXPECT_NE(pane.findChild<QWidget*>(QStringLiteral("chartView2")), nullptr);
    EXPECT_EQ(pane.Charts().size(), 2u);
    EXPECT_EQ(made, 1);

    pane.Show(std::vector<Chart>{CountsChart()});  // on screen: drawn at once
    EXPECT_EQ(pane.findChild<QWidget*>(QStringLiteral("chartView2")), nullptr);
}

}  // namespace
}  // namespace pirumo::test
