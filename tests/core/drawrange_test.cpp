#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "clirun.h"
#include "filebytes.h"
#include "history/drawrange.h"
#include "history/drawrangesetting.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

// Draws 1..12 with 4 missing, 6 invalid (no bonus) and 12 invalid; draw 2 carries prizes.
DrawHistory GappedHistory() {
    std::vector<Draw> rows;
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}) {
        rows.push_back(MakeDraw(n, {1, 2, 3, 4, 5}, n == 6 || n == 12 ? 0 : 6));
    }
    rows[1].prizes = DrawPrizes{};
    return DrawHistory(std::move(rows), true);
}

std::vector<int> DrawNumbers(const DrawHistory& history) {
    std::vector<int> numbers;
    for (const Draw& d : history.Rows()) {
        numbers.push_back(d.drawNumber);
    }
    return numbers;
}

TEST(DrawRange, RestrictsToTheRowsOfTheRange) {
    const DrawHistory history = GappedHistory();
    struct Case {
        DrawRange range;
        std::vector<int> rows;
        std::string caption;
    };
    const Case cases[] = {
        {DrawRange::Everything(), {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}, ""},
        // Three valid draws back from the newest: 11, 10, 9; the invalid 12 stays in.
        {DrawRange::Last(3), {9, 10, 11, 12}, "直近3回（第9回〜第11回、有効な当選データ3回）"},
        // Invalid 6 is not counted, and 4 is not there to count.
        {DrawRange::Last(7),
         {3, 5, 6, 7, 8, 9, 10, 11, 12},
         "直近7回（第3回〜第11回、有効な当選データ7回）"},
        {DrawRange::Last(50), DrawNumbers(history),
         "直近50回（第1回〜第11回、有効な当選データ9回）"},
        {DrawRange::Between(3, 6), {3, 5, 6}, "第3回〜第6回（有効な当選データ2回）"},
        {DrawRange::Between(0, 2), {1, 2}, "〜第2回（有効な当選データ2回）"},
        {DrawRange::Between(11, 0), {11, 12}, "第11回〜（有効な当選データ1回）"},
        {DrawRange::Between(20, 30), {}, "第20回〜第30回（当選データなし）"},
    };
    for (const Case& c : cases) {
        const DrawHistory restricted = RestrictHistory(history, c.range);
        SCOPED_TRACE(DrawRangeName(c.range));
        EXPECT_EQ(DrawNumbers(restricted), c.rows);
        EXPECT_EQ(DrawRangeCaption(c.range, restricted), c.caption);
        EXPECT_TRUE(restricted.IsSample());
    }
    const DrawHistory early = RestrictHistory(history, DrawRange::Between(2, 3));
    EXPECT_EQ(early.Rows().front(), history.Rows()[1]) << "the row and its prizes stay as they are";
    EXPECT_EQ(early.LastDrawNumber(), 3);
}

TEST(DrawRange, ProblemsAreNamedInJapanese) {
    const DrawHistory history = GappedHistory();
    struct Case {
        DrawRange range;
        std::string problem;
    };
    const Case cases[] = {
        {DrawRange::Everything(), ""},
        {DrawRange::Last(1), ""},
        {DrawRange::Between(6, 6),
         "第6回〜第6回には有効な当選データがありません（当選データは第11回まで）。"},
        {DrawRange::Between(4, 4),
         "第4回〜第4回には有効な当選データがありません（当選データは第11回まで）。"},
        {DrawRange::Between(8, 3), "開始の回（第8回）が終了の回（第3回）より後になっています。"},
        {DrawRange::Last(0), "直近の回数は1から32767までの整数で指定してください。"},
        {DrawRange::Between(1, 40000), "回数は1から32767までの整数で指定してください。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawRangeProblem(c.range, history), c.problem) << DrawRangeName(c.range);
    }
    EXPECT_EQ(DrawRangeProblem(DrawRange::Last(5), DrawHistory()),
              "直近5回には有効な当選データがありません（当選データがありません）。");
}

TEST(DrawRange, SettingTextRoundTrips) {
    for (const DrawRange& range :
         {DrawRange::Everything(), DrawRange::Last(100), DrawRange::Between(700, 799),
          DrawRange::Between(700, 0), DrawRange::Between(0, 799)}) {
        EXPECT_EQ(ParseDrawRangeSetting(DrawRangeSettingText(range)), range)
            << DrawRangeSettingText(range);
    }
    for (const char* bad :
         {"", "直近", "直近0", "直近-3", "直近x", "-", "0-0", "a-5", "5-b", "3"}) {
        EXPECT_FALSE(ParseDrawRangeSetting(bad).has_value()) << bad;
    }
}

// The range line comes and goes; the options, the refresh source and the user's own lines stay.
TEST(DrawRange, SettingIsSavedBesideTheOtherLines) {
    test::TempFolder folder;
    const auto ini = folder.Path() / "ピルモ.ini";
    const std::string others = "最新化URL=http://example.test/h.csv\r\nmemo\r\n";
    { std::ofstream(ini, std::ios::binary) << others; }
    EXPECT_EQ(ReadDrawRangeSetting(ini), DrawRange::Everything());
    SaveDrawRangeSetting(ini, DrawRange::Between(700, 799));
    SaveDrawRangeSetting(ini, DrawRange::Last(100));
    EXPECT_EQ(ReadDrawRangeSetting(ini), DrawRange::Last(100));
    const std::string saved = test::ReadFileBytes(ini);
    EXPECT_EQ(saved.find("700"), std::string::npos) << "one range line only";
    EXPECT_NE(saved.find("=http://example.test/h.csv\r\nmemo\r\n"), std::string::npos);
    SaveDrawRangeSetting(ini, DrawRange::Everything());
    EXPECT_EQ(ReadDrawRangeSetting(ini), DrawRange::Everything());
    EXPECT_EQ(test::ReadFileBytes(ini).find("\x95\xaa"), std::string::npos)
        << "全期間 leaves no line";
    // A value that is not a range is read as 全期間.
    { std::ofstream(ini, std::ios::binary) << "分析範囲=直近ぜんぶ\r\n"; }
    EXPECT_EQ(ReadDrawRangeSetting(ini), DrawRange::Everything());
}

// The bundled CSV cut down to the draws numbered from..to, as a user would cut it.
std::filesystem::path CsvOfDraws(const test::TempFolder& folder, int from, int to) {
    std::ifstream in(test::RealHistoryCsv());
    const auto path = folder.Path() / ("draws-" + std::to_string(from) + ".csv");
    std::ofstream out(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    out << line << '\n';
    while (std::getline(in, line)) {
        const int number = std::stoi(line.substr(0, line.find(',')));
        if (number >= from && number <= to) {
            out << line << '\n';
        }
    }
    return path;
}

// JSON output without its caption line, which names the range where one was given.
std::string WithoutCaption(const std::string& json, std::string* caption = nullptr) {
    std::istringstream lines(json);
    std::string kept;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("  \"caption\": ")) {
            if (caption != nullptr) {
                *caption = line;
            }
            continue;
        }
        kept += line + '\n';
    }
    return kept;
}

TEST(DrawRangeCli, RangeEqualsTheHistoryHoldingOnlyItsDraws) {
    test::TempFolder folder;
    const std::string whole = (folder.Path() / "whole.mdb").string();
    ASSERT_EQ(
        test::RunCliIn(folder, {"--db", whole, "import", test::RealHistoryCsv().string()}).status,
        0);
    struct Case {
        std::vector<std::string> options;
        int from;
        int to;
        std::string captionPart;
    };
    const Case cases[] = {
        {{"--last", "100"}, 1254, 1353, "直近100回（第1254回〜第1353回、有効な当選データ100回）"},
        {{"--from", "700", "--to", "799"}, 700, 799, "第700回〜第799回（有効な当選データ100回）"},
    };
    const test::CliResult list = test::RunCliIn(folder, {"--db", whole, "list"});
    ASSERT_EQ(list.status, 0) << list.err;
    std::vector<std::string> names;
    std::istringstream listed(list.out);
    for (std::string name; std::getline(listed, name);) {
        names.push_back(name);
    }
    ASSERT_GE(names.size(), 17u);
    for (const Case& c : cases) {
        const std::string part = (folder.Path() / "part.mdb").string();
        std::filesystem::remove(part);
        ASSERT_EQ(test::RunCliIn(
                      folder, {"--db", part, "import", CsvOfDraws(folder, c.from, c.to).string()})
                      .status,
                  0);
        for (const std::string& name : names) {
            SCOPED_TRACE(name + " " + c.options.front());
            std::vector<std::string> args{"--db", whole, "show", name, "--format", "json"};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const test::CliResult ranged = test::RunCliIn(folder, args);
            const test::CliResult cut =
                test::RunCliIn(folder, {"--db", part, "show", name, "--format", "json"});
            ASSERT_EQ(ranged.status, 0) << ranged.err;
            ASSERT_EQ(cut.status, 0) << cut.err;
            std::string caption;
            EXPECT_EQ(WithoutCaption(ranged.out, &caption), WithoutCaption(cut.out));
            EXPECT_NE(caption.find(c.captionPart), std::string::npos) << caption;
        }
    }
}

TEST(DrawRangeCli, BadRangesAreRefusedInJapanese) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(test::RunCliIn(folder, {"--db", db, "sample", "--draws", "40"}).status, 0);
    const std::vector<std::vector<std::string>> cases{
        {"--last", "0"},
        {"--last", "十"},
        {"--last", "5", "--from", "3"},
        {"--from", "30", "--to", "20"},
        {"--from", "41"},
        {"--to", "-1"},
    };
    for (const auto& options : cases) {
        std::vector<std::string> args{
            "--db", db, "show", "出現頻度分析", "--out", (folder.Path() / "out.json").string()};
        args.insert(args.end(), options.begin(), options.end());
        const test::CliResult result = test::RunCliIn(folder, args);
        SCOPED_TRACE(options.front() + " " + options[1]);
        EXPECT_NE(result.status, 0);
        EXPECT_NE(result.err.find("回"), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out.json"));
    }
}

}  // namespace
}  // namespace pirumo
