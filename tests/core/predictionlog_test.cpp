#include <gtest/gtest.h>

#include <unistd.h>

#include "filebytes.h"
#include "prediction/backtest/predictionlog.h"
#include "testhistory.h"

namespace pirumo {
namespace {

PredictionLogEntry Entry(int target, int firstNumber) {
    PredictionLogEntry entry;
    entry.targetDraw = target;
    entry.shownAt = "2026/12/07 10:15:00";
    entry.options.reflect[3] = true;
    entry.options.reflect[11] = true;
    entry.shown[0] = {{firstNumber, 2, 3, 4, 5}, {6}, {}, {31, 30}};
    entry.shown[1] = {{7, 8, 9, 10, 11}, {12, 13, 14, 15, 16}, {17}};
    entry.shown[2] = {{1, 2, 3}, {}};
    entry.shown[3] = {{}};
    return entry;
}

TEST(PredictionLogTest, LinesReadBackAndDamagedLinesAreSkipped) {
    const PredictionLogEntry a = Entry(1354, 1);
    const PredictionLogEntry b = Entry(1355, 9);
    const std::string text = "# comment\n" + FormatPredictionLogLine(a) + "1355\tbroken line\n" +
                             "x\t2026\t000000000000\t\t\t\t\n" +
                             "1356\t2026\t000000000000\t40\t\t\t\n" + FormatPredictionLogLine(b);
    const std::vector<PredictionLogEntry> entries = ParsePredictionLog(text);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], a);
    EXPECT_EQ(entries[1], b);
}

TEST(PredictionLogTest, AppendAddsOnlyNewPredictionsAndKeepsTheFileOnFailure) {
    test::TempFolder folder;
    const auto log = folder.Path() / "Pirumo-予想記録.txt";
    EXPECT_TRUE(ReadPredictionLog(log).empty());
    EXPECT_TRUE(AppendToPredictionLog(log, Entry(1354, 1)));
    PredictionLogEntry later = Entry(1354, 1);
    later.shownAt = "2026/12/08 09:00:00";
    EXPECT_FALSE(AppendToPredictionLog(log, later));  // same numbers for the same draw
    EXPECT_TRUE(AppendToPredictionLog(log, Entry(1354, 9)));
    EXPECT_TRUE(AppendToPredictionLog(log, Entry(1355, 9)));
    EXPECT_TRUE(AppendToPredictionLog(log, Entry(1354, 1)));  // changed back: recorded again
    EXPECT_EQ(ReadPredictionLog(log).size(), 4u);
    EXPECT_EQ(test::ReadFileBytes(log).rfind("# ", 0), 0u);

    const std::string before = test::ReadFileBytes(log);
    std::filesystem::permissions(
        folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(folder.Path().c_str(), W_OK) != 0) {  // root writes anyway
        EXPECT_THROW(AppendToPredictionLog(log, Entry(1360, 3)), std::runtime_error);
    }
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(test::ReadFileBytes(log), before);
}

TEST(PredictionLogTest, PredictionsAreScoredOnceTheirDrawIsInTheHistory) {
    const DrawHistory history(
        {test::MakeDraw(1354, {1, 2, 3, 4, 5}, 6), test::MakeDraw(1355, {1, 2, 3, 4, 5}, 0)});
    const std::vector<LoggedPrediction> compared =
        CompareLoggedPredictions(history, {Entry(1354, 1), Entry(1355, 1), Entry(1356, 1)});
    ASSERT_EQ(compared.size(), 3u);
    ASSERT_TRUE(compared[0].scored.has_value());
    EXPECT_EQ(compared[0].scored->matches[0], 5);
    EXPECT_EQ(compared[0].scored->RowPrizes(0)[0], kFirstPrize);
    EXPECT_FALSE(compared[1].scored.has_value());  // its bonus is empty: not a valid draw
    EXPECT_FALSE(compared[2].scored.has_value());
}

}  // namespace
}  // namespace pirumo
