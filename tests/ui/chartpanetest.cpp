#include <gtest/gtest.h>

#include <QLabel>
#include <fstream>

#include "../core/testhistory.h"
#include "module/moduleloader.h"
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

// A missing or foreign module is named in Japanese, with what to do.
TEST(ChartPaneTest, AModuleThatCannotBeLoadedIsExplained) {
    TempFolder folder;
    std::ofstream(folder.Path() / "pirumo-broken.so") << "not a library";
    AddProgramModuleFolder(folder.Path());
    for (const auto& [name, words] :
         {std::pair{"pirumo-missing", "部品 pirumo-missing.so が見つかりません。"},
          std::pair{"pirumo-broken", "部品 pirumo-broken.so を読み込めませんでした"}}) {
        SCOPED_TRACE(name);
        QString error;
        EXPECT_EQ(LoadProgramModule(QString::fromUtf8(name), error), nullptr);
        EXPECT_TRUE(error.contains(QString::fromUtf8(words))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("入れ直して")));
    }
}

}  // namespace
}  // namespace pirumo::test
