#include "analyses/groupdata.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::Runs;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kShaded = MakeRgb(200, 255, 255);
constexpr Rgb kMissed = MakeRgb(210, 210, 210);
constexpr Rgb kMainMark = MakeRgb(62, 158, 255);
constexpr Rgb kBonusMark = MakeRgb(255, 128, 192);

const std::string kTitleA = Runs("28S2I12S2I1S2I2S1I数2I1S字28S2I12S2I1S2I2S2I");
const std::string kTitleB = Runs("28S2I12S2I3S1I数2I1S字7S2I21S2I12S6I3S1I");

TEST(GroupDataWindows, TitlesAndGroupHeadersKeepTheirExactBlanks) {
    ASSERT_EQ(test::CodePoints(kTitleA), 106u);
    ASSERT_EQ(test::CodePoints(kTitleB), 107u);
    const ResultGrid six = test::RunWindowAnalysis(GroupData6Analysis(), test::NumberedDraws(1));
    const ResultGrid seven = test::RunWindowAnalysis(GroupData7Analysis(), test::NumberedDraws(1));
    const ResultGrid ten = test::RunWindowAnalysis(GroupData10Analysis(), test::NumberedDraws(1));
    EXPECT_EQ(six.CellText(2, 1), kTitleA);
    EXPECT_EQ(seven.CellText(2, 1), kTitleB);
    EXPECT_EQ(ten.CellText(2, 1), kTitleA);
    EXPECT_EQ(test::CodePoints(seven.CellText(2, 1)), 107u);

    EXPECT_EQ(six.CellText(2, 2), Runs("9SＡ14S"));
    EXPECT_EQ(six.CellText(22, 2), Runs("9SＥ14S"));
    EXPECT_EQ(six.CellText(27, 2), Runs("2S1I7SＦ7S"));
    EXPECT_EQ(seven.CellText(6, 2), Runs("7SＢ12S"));
    EXPECT_EQ(seven.CellText(26, 2), Runs("13SＧ12S"));
    const char* tenHeaders[10] = {"1S2IＡ1S2I1S", "1S2IＢ2S2I",   "1S2IＣ2I2S", "1S2IＤ2S2I",
                                  "1S2IＥ1S2I1S", "1S2IＦ1S2I1S", "1S2IＧ2I2S", "1S2IＨ2S2I",
                                  "1S2IＩ2I2S",   "1S3IＪ1I2S"};
    for (int g = 0; g < 10; ++g) {
        EXPECT_EQ(ten.CellText(2 + 3 * g, 2), Runs(tenHeaders[g])) << g;
        EXPECT_EQ(test::CodePoints(ten.CellText(2 + 3 * g, 2)), 8u) << g;
    }
    EXPECT_EQ(ten.CellText(3, 2), "");
}

TEST(GroupDataWindows, BlocksOfFiftyDrawsWithTwoHeaderRowsEach) {
    const ResultGrid grid = test::RunWindowAnalysis(GroupData7Analysis(), test::NumberedDraws(120));
    ASSERT_EQ(grid.ColumnCount(), 33);
    ASSERT_EQ(grid.RowCount(), 127);
    for (int row = 2; row <= 127; ++row) {
        const bool titleRow = row == 2 || row == 54 || row == 106;
        const bool numberRow = row == 3 || row == 55 || row == 107;
        EXPECT_EQ(grid.CellText(2, row) == Runs("7SＡ12S"), titleRow) << row;
        EXPECT_EQ(grid.CellText(1, row) == "回" && grid.CellText(33, row) == "回" &&
                      grid.CellText(32, row) == "31",
                  numberRow)
            << row;
    }
    EXPECT_EQ(grid.CellText(1, 4), "1");
    EXPECT_EQ(grid.CellText(33, 53), "50");
    EXPECT_EQ(grid.CellText(1, 56), "51");
    EXPECT_EQ(grid.CellText(1, 105), "100");
    EXPECT_EQ(grid.CellText(1, 108), "101");
    EXPECT_EQ(grid.CellText(1, 127), "120");
    EXPECT_EQ(grid.StyleAt(10, 55).fore, MakeRgb(0, 0, 255));

    EXPECT_EQ(test::RunWindowAnalysis(GroupData7Analysis(), test::NumberedDraws(50)).RowCount(),
              53);
    const ResultGrid fiftyOne =
        test::RunWindowAnalysis(GroupData7Analysis(), test::NumberedDraws(51));
    ASSERT_EQ(fiftyOne.RowCount(), 56);
    EXPECT_EQ(fiftyOne.CellText(1, 55), "回");
    EXPECT_EQ(fiftyOne.CellText(1, 56), "51");
}

TEST(GroupDataWindows, EmptyHistoryShowsOnlyTheTitleRow) {
    const ResultGrid grid = test::RunWindowAnalysis(GroupData6Analysis(), {});
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CellText(2, 1), kTitleA);
    EXPECT_EQ(grid.StyleAt(2, 1).back, MakeRgb(255, 200, 200));
    // Shading and cell frames start below the title row.
    EXPECT_EQ(grid.StyleAt(8, 1).back, kWhite);
    EXPECT_EQ(grid.StyleAt(8, 1).borders, border::kTop | border::kBottom);
}

TEST(GroupDataWindows, MissedGroupsGreyPerWindow) {
    const std::vector<Draw> draw{MakeDraw(1, {1, 2, 3, 4, 5}, 6)};
    const ResultGrid ten = test::RunWindowAnalysis(GroupData10Analysis(), draw);
    const ResultGrid six = test::RunWindowAnalysis(GroupData6Analysis(), draw);
    for (int column = 2; column <= 32; ++column) {
        // Ten groups: Ａ 1-3 and Ｂ 4-6 hit, Ｃ to Ｊ missed.
        const Rgb tenExpected = column <= 4 ? kWhite : column <= 7 ? kShaded : kMissed;
        EXPECT_EQ(ten.StyleAt(column, 4).back, tenExpected) << column;
        // Six groups: the bonus 6 falls into Ｂ, so only Ｃ to Ｆ are missed.
        const Rgb sixExpected = column <= 6 ? kWhite : column <= 11 ? kShaded : kMissed;
        EXPECT_EQ(six.StyleAt(column, 4).back, sixExpected) << column;
    }
    EXPECT_EQ(ten.StyleAt(1, 4).back, MakeRgb(255, 255, 200));
}

TEST(GroupDataWindows, EveryDrawRowHasFiveMainMarksAndOneBonusMark) {
    const ResultGrid grid = test::RunWindowAnalysis(
        GroupData6Analysis(),
        {MakeDraw(1, {31, 7, 19, 2, 26}, 13), MakeDraw(2, {5, 0, 9, 10, 11}, 12),  // skipped
         MakeDraw(3, {1, 6, 11, 16, 21}, 26)});
    ASSERT_EQ(grid.RowCount(), 6);
    for (int row : {4, 5}) {
        int main = 0;
        int bonus = 0;
        for (int column = 2; column <= 32; ++column) {
            if (grid.CellText(column, row) == "●") {
                main += grid.StyleAt(column, row).fore == kMainMark;
                bonus += grid.StyleAt(column, row).fore == kBonusMark;
            }
        }
        EXPECT_EQ(main, 5) << row;
        EXPECT_EQ(bonus, 1) << row;
    }
    EXPECT_EQ(grid.StyleAt(14, 4).fore, kBonusMark);
    EXPECT_EQ(grid.CellText(33, 5), "3");
    // Draw 3 hits every group: nothing greyed; the shading of Ｂ reaches the last row.
    EXPECT_EQ(grid.StyleAt(9, 5).back, kShaded);
    EXPECT_EQ(grid.StyleAt(9, 6).back, kShaded);
    EXPECT_EQ(grid.StyleAt(15, 6).back, kWhite);
    EXPECT_EQ(grid.CellText(2, 6), "");
}

// The grids show only whether a group was hit; a chart of the groups needs the counts.
TEST(GroupDataResults, GroupsTileTheNumbersAndCountTheBonusToo) {
    const DrawHistory history({MakeDraw(1, {5, 0, 9, 10, 11}, 12),  // skipped
                               MakeDraw(2, {1, 5, 6, 25, 31}, 28)});
    const struct {
        GroupDataResult result;
        std::vector<int> counts;
    } cases[] = {
        {AnalyseGroupData6(history), {2, 1, 0, 0, 1, 2}},
        {AnalyseGroupData7(history), {1, 2, 0, 0, 0, 0, 3}},
        {AnalyseGroupData10(history), {1, 2, 0, 0, 0, 0, 0, 0, 1, 2}},
    };
    for (const auto& c : cases) {
        const std::size_t groups = c.counts.size();
        ASSERT_EQ(c.result.groups.size(), groups);
        int next = 1;
        for (const NumberRange& group : c.result.groups) {
            EXPECT_EQ(group.first, next) << groups;
            next = group.last + 1;
        }
        EXPECT_EQ(next, 32) << groups;
        ASSERT_EQ(c.result.draws.size(), 1u);
        EXPECT_EQ(c.result.draws[0].drawNumber, 2);
        const auto& counts = c.result.draws[0].groupCounts;
        EXPECT_EQ(std::vector<int>(counts.begin(), counts.begin() + static_cast<long>(groups)),
                  c.counts);
    }
}

TEST(GroupDataWindows, GroupTitleRowFramesEachGroupOnItsOwnColumns) {
    const ResultGrid grid = test::RunWindowAnalysis(GroupData6Analysis(), test::NumberedDraws(60));
    for (int row : {2, 54}) {
        EXPECT_EQ(grid.StyleAt(2, row).borders, border::kLeft | border::kTop | border::kBottom);
        EXPECT_EQ(grid.StyleAt(6, row).borders, border::kTop | border::kBottom);
        EXPECT_EQ(grid.StyleAt(7, row).borders, border::kLeft | border::kTop | border::kBottom);
        EXPECT_EQ(grid.StyleAt(32, row).borders, border::kRight | border::kTop | border::kBottom);
    }
    EXPECT_EQ(grid.RowHeight(1), 15);
    EXPECT_EQ(grid.RowHeight(2), 12);
    EXPECT_EQ(grid.RowHeight(54), 9);
    EXPECT_EQ(test::RunWindowAnalysis(GroupData10Analysis(), {}).RowHeight(1), 11);
}

TEST(GroupDataWindows, RealHistoryGridSizes) {
    const DrawHistory history = test::LoadRealHistory();
    const int last = history.LastDrawNumber();
    const int blocks = (last + 49) / 50;
    for (const Analysis& window :
         {GroupData6Analysis(), GroupData7Analysis(), GroupData10Analysis()}) {
        ResultGrid grid;
        window.fillGrid(history, grid);
        ASSERT_EQ(grid.ColumnCount(), 33);
        ASSERT_EQ(grid.RowCount(), last + 2 * blocks + 1) << window.name;
        // The last draw sits in the last row, the first of block 27 below its header rows.
        EXPECT_EQ(grid.CellText(1, grid.RowCount()), std::to_string(last));
        EXPECT_EQ(grid.CellText(1, 52 * 26 + 4), "1301");
    }
}

}  // namespace
}  // namespace pirumo
