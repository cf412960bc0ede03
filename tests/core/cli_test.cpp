#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "clirun.h"
#include "filebytes.h"
#include "history/import/bundledhistory.h"
#include "history/store/historyfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli with the arguments (each single-quoted for the shell).
CliResult RunCli(const test::TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = std::string("'") + PIRUMO_CLI_PATH + "'";
    for (const std::string& a : args) {
        command += " '" + a + "'";
    }
    const auto out = folder.Path() / "stdout";
    const auto err = folder.Path() / "stderr";
    command += " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), test::ReadFileBytes(out), test::ReadFileBytes(err)};
}

TEST(PirumoCli, SampleThenInfoShowAndExport) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(RunCli(folder, {"--db", db, "sample", "--draws", "60", "--seed", "7"}).status, 0);

    const CliResult info = RunCli(folder, {"--db", db, "info"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("\"LastDrawNumber\": 60"), std::string::npos);

    const CliResult json = RunCli(folder, {"--db", db, "show", "出現回数分析", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"rows\": 62"), std::string::npos);

    const auto csv = folder.Path() / "out.csv";
    ASSERT_EQ(RunCli(folder, {"--db", db, "export", csv.string()}).status, 0);
    EXPECT_EQ(test::ReadFileBytes(csv).rfind("\xEF\xBB\xBF", 0), 0u) << "export starts with a BOM";
}

TEST(PirumoCli, ShowTakesMenuCaptionsAndWritesSpreadsheetCsv) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(RunCli(folder, {"--db", db, "sample", "--draws", "30"}).status, 0);

    // The menu's words and the window names give the same grid.
    const std::pair<const char*, const char*> spellings[] = {
        {"4分割傾向分析", "分割4傾向分析"},
        {"連番・飛び石分析", "連番飛び石分析"},
        {"低数字・高数字の組合せパターン分析", "低数字高数字の組合せパターン分析"},
        {"10分割データ分析", "分割10データ分析"},
    };
    for (const auto& [caption, name] : spellings) {
        const CliResult byCaption =
            RunCli(folder, {"--db", db, "show", caption, "--format", "csv"});
        ASSERT_EQ(byCaption.status, 0) << caption << ": " << byCaption.err;
        EXPECT_EQ(byCaption.out, RunCli(folder, {"--db", db, "show", name, "--format", "csv"}).out);
        EXPECT_EQ(byCaption.out.rfind("\xEF\xBB\xBF", 0), 0u) << "csv starts with a BOM";
    }
    const CliResult text = RunCli(folder, {"--db", db, "show", "4分割傾向分析"});
    EXPECT_NE(text.out.rfind("\xEF\xBB\xBF", 0), 0u) << "only csv carries the BOM";

    const CliResult help = RunCli(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command :
         {"info", "list", "show", "import", "export", "sample", "predict", "update"}) {
        const auto line = help.out.find(std::string("\n  ") + command);
        ASSERT_NE(line, std::string::npos) << command;
        const auto next = help.out.find('\n', help.out.find('\n', line + 1) + 1);
        EXPECT_NE(help.out.substr(line, next - line).find("ます"), std::string::npos)
            << command << " has a one-line description";
    }
}

TEST(PirumoCli, ErrorsAreJapaneseOnStandardErrorWithNonZeroStatus) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();

    const CliResult missing = RunCli(folder, {"--db", db, "info"});
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("Pirumo.mdb"), std::string::npos);

    ASSERT_EQ(RunCli(folder, {"--db", db, "sample", "--draws", "5"}).status, 0);
    const std::string before = test::ReadFileBytes(db);
    const CliResult unknown = RunCli(folder, {"--db", db, "show", "存在しない分析"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("存在しない分析"), std::string::npos);

    const CliResult format =
        RunCli(folder, {"--db", db, "show", "出現回数分析", "--format", "xml"});
    EXPECT_EQ(format.status, 2);
    EXPECT_NE(format.err.find("xml"), std::string::npos);

    EXPECT_NE(RunCli(folder, {"--db", db, "frobnicate"}).status, 0);
    EXPECT_NE(RunCli(folder, {"--db", db, "info", "--seed", "3"}).status, 0);
    EXPECT_NE(RunCli(folder, {"--db", db, "sample", "--draws", "abc"}).status, 0);

    const auto bad = folder.Path() / "bad.csv";
    std::ofstream(bad)
        << "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1,1,2,3,4,5,32\n";
    const CliResult refused = RunCli(folder, {"--db", db, "import", bad.string()});
    EXPECT_NE(refused.status, 0);
    EXPECT_FALSE(refused.err.empty());
    EXPECT_EQ(test::ReadFileBytes(db), before) << "a refused import leaves the history as it was";
}

// A copy of pirumo-cli with the bundled results beside it, in a folder of its own: portable.
TEST(PirumoCli, FirstUseCreatesTheHistoryFromTheBundledResults) {
    test::TempFolder folder;
    const auto cli = folder.Path() / "pirumo-cli";
    std::filesystem::copy_file(PIRUMO_CLI_PATH, cli);
    std::filesystem::copy_file(test::RealHistoryCsv(), folder.Path() / "miniloto-history.csv");
    // Two days after the newest bundled draw: the history is current, so nothing else is noted.
    const std::string run =
        "cd '" + folder.Path().string() + "' && PIRUMO_TODAY=2025/09/25 '" + cli.string() + "' ";

    EXPECT_NE(std::system((run + "--db missing.mdb info 2>/dev/null").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing.mdb")) << "--db is never filled";

    const auto out = folder.Path() / "info.json";
    const auto err = folder.Path() / "info.err";
    ASSERT_EQ(std::system((run + "info >info.json 2>info.err").c_str()), 0);
    EXPECT_NE(test::ReadFileBytes(err).find("第1回〜第1353回"), std::string::npos);
    EXPECT_NE(test::ReadFileBytes(out).find("\"validDraws\": 1353"), std::string::npos);
    EXPECT_NE(test::ReadFileBytes(out).find("\"sample\": false"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Pirumo.mdb"));

    ASSERT_EQ(std::system((run + "info >/dev/null 2>info.err").c_str()), 0);
    EXPECT_EQ(test::ReadFileBytes(err), "") << "created once";

    const auto made = folder.Path() / "made" / "Pirumo.mdb";
    CreateHistoryFromBundled(ReadBundledHistory(test::RealHistoryCsv()), made);
    EXPECT_EQ(ReadHistoryRows(folder.Path() / "Pirumo.mdb"), ReadHistoryRows(made));
}

// `make run` without a display: the command line's first use makes the history, then the
// prediction is printed, the same as on every later run.
TEST(PirumoCli, MakeRunWithoutADisplayCreatesTheHistoryAndPrintsThePrediction) {
    test::TempFolder folder;
    const auto build = folder.Path() / "build";
    std::filesystem::create_directory(build);
    std::filesystem::copy_file(PIRUMO_CLI_PATH, build / "pirumo-cli");
    std::filesystem::copy_file(test::RealHistoryCsv(), build / "miniloto-history.csv");
    const std::string run =
        "cd '" + folder.Path().string() +
        "' && env -u DISPLAY -u WAYLAND_DISPLAY PIRUMO_TODAY=2025/09/25 bash '" PIRUMO_RUN_SCRIPT
        "' build >run.out 2>run.err";

    ASSERT_EQ(std::system(run.c_str()), 0) << test::ReadFileBytes(folder.Path() / "run.err");
    EXPECT_NE(test::ReadFileBytes(folder.Path() / "run.err").find("第1回〜第1353回"),
              std::string::npos);
    const std::string first = test::ReadFileBytes(folder.Path() / "run.out");
    EXPECT_TRUE(first.starts_with("一発ガルポン予想")) << first;

    ASSERT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(test::ReadFileBytes(folder.Path() / "run.err"), "");
    EXPECT_EQ(test::ReadFileBytes(folder.Path() / "run.out"), first);
}

TEST(PirumoCli, SampleDataSaysSoUntilRealResultsReplaceIt) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    const CliResult sample = RunCli(folder, {"--db", db, "sample", "--draws", "20"});
    ASSERT_EQ(sample.status, 0);
    EXPECT_NE(sample.out.find("実際の当選結果ではありません"), std::string::npos) << sample.out;
    EXPECT_NE(RunCli(folder, {"--db", db, "info"}).out.find("\"sample\": true"), std::string::npos);

    ASSERT_EQ(RunCli(folder, {"--db", db, "import", test::RealHistoryCsv().string()}).status, 0);
    EXPECT_NE(RunCli(folder, {"--db", db, "info"}).out.find("\"sample\": false"),
              std::string::npos);
}

// Every replacement keeps the old history as .bak; importing that file brings it back.
TEST(PirumoCli, ImportRestoresTheBackup) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(RunCli(folder, {"--db", db, "sample", "--draws", "30", "--seed", "3"}).status, 0);
    const std::string sampled = RunCli(folder, {"--db", db, "info"}).out;
    const auto csv = folder.Path() / "one.csv";
    std::ofstream(csv)
        << "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1,1,2,3,4,5,6\n";
    ASSERT_EQ(RunCli(folder, {"--db", db, "import", csv.string()}).status, 0);

    const CliResult restored = RunCli(folder, {"--db", db, "import", db + ".bak"});
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(RunCli(folder, {"--db", db, "info"}).out, sampled);
}

TEST(PirumoCli, RealHistoryImportMatchesThePublishedResults) {
    const auto csv = test::RealHistoryCsv();
    test::TempFolder folder;
    const std::string db = (folder.Path() / "h" / "Pirumo.mdb").string();
    std::filesystem::create_directories(folder.Path() / "h");
    ASSERT_EQ(RunCli(folder, {"--db", db, "import", csv.string()}).status, 0);

    const CliResult info = RunCli(folder, {"--db", db, "info"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("\"LastDrawNumber\": 1353"), std::string::npos);
    const auto counts = info.out.find("\"NumberCounts\"");
    ASSERT_NE(counts, std::string::npos);
    int sum = 0;
    std::size_t pos = info.out.find('{', counts);
    const std::size_t end = info.out.find('}', pos);
    while ((pos = info.out.find(": ", pos)) != std::string::npos && pos < end) {
        pos += 2;
        sum += std::stoi(info.out.substr(pos));
    }
    EXPECT_EQ(sum, 8118);

    const CliResult json = RunCli(folder, {"--db", db, "show", "出現回数分析", "--format", "json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"columns\": 13"), std::string::npos);
    EXPECT_NE(json.out.find("\"rows\": 1355"), std::string::npos);
}

// A history more than eight days old is named on standard error, once; what the command prints
// and its exit status stay the same.
TEST(PirumoCli, OutOfDateHistoryIsNotedOnStandardErrorOnly) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(test::RunCliIn(folder, {"--db", db, "import", test::RealHistoryCsv()}).status, 0);
    const auto predict = [&](const char* today) {
        setenv("PIRUMO_TODAY", today, 1);
        test::CliResult result = test::RunCliIn(folder, {"--db", db, "predict"});
        unsetenv("PIRUMO_TODAY");
        return result;
    };
    const test::CliResult current = predict("2025/10/01");
    const test::CliResult old = predict("2025/10/02");
    EXPECT_EQ(current.err, "");
    EXPECT_EQ(old.status, 0);
    EXPECT_EQ(old.out, current.out);
    EXPECT_NE(current.out.find("第1354回（2025/09/30）の予想"), std::string::npos) << current.out;
    EXPECT_EQ(std::count(old.err.begin(), old.err.end(), '\n'), 1);
    EXPECT_NE(old.err.find("最新 第1353回（2025/09/23）"), std::string::npos) << old.err;
}

}  // namespace
}  // namespace pirumo
