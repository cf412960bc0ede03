// The CSV layouts of published results that pirumo-cli imports without editing, and what it says
// about a header it cannot read or draws an import replaces.
#include <gtest/gtest.h>

#include <string>

#include "clirun.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "historybodies.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

TEST(CsvLayoutsTest, CommonHeadersImport) {
    const char* const layouts[] = {
        "回数,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字",
        "回号,抽せん日,本数字1,本数字2,本数字3,本数字4,本数字5,ボーナス",
        "回別,抽選日,本数字１,本数字２,本数字３,本数字４,本数字５,ボーナス数字",
        "開催回,開催日,数字1,数字2,数字3,数字4,数字5,BONUS数字",
        "回,日付,第１数字,第２数字,第３数字,第４数字,第５数字,ボ数字",
    };
    Draw expected = test::MakeDraw(1354, {2, 9, 15, 22, 27}, 4);
    expected.date = "2025/09/30";
    for (const char* header : layouts) {
        SCOPED_TRACE(header);
        for (const char* drawNumber : {"1354", "第1354回"}) {
            test::TempFolder folder;
            const fs::path db = folder.Path() / "Pirumo.mdb";
            CreateHistoryFile(db);
            const fs::path csv = folder.Path() / "results.csv";
            // Extra columns, such as the prize ones, are left out.
            test::WriteFileBytes(csv, std::string(header) + ",1等口数\r\n" + drawNumber +
                                          ",2025/09/30,2,9,15,22,27,4,3\r\n");
            const test::CliResult run =
                test::RunCliIn(folder, {"--db", db.string(), "import", csv.string()});
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(ReadHistoryRows(db), std::vector<Draw>{expected});
        }
    }
}

TEST(CsvLayoutsTest, AnUnknownHeaderIsRefusedWithTheNamesItAccepts) {
    test::TempFolder folder;
    const fs::path db = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(db, test::SomeDraws(3));
    const std::string before = test::ReadFileBytes(db);
    const fs::path csv = folder.Path() / "results.csv";
    test::WriteFileBytes(csv, "No,Date,N1,N2,N3,N4,N5,B\n1,2025/09/30,2,9,15,22,27,4\n");

    const test::CliResult run =
        test::RunCliIn(folder, {"--db", db.string(), "import", csv.string()});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("1行目に列「回数」がありません"), std::string::npos) << run.err;
    for (const char* name : {"回号", "抽せん日", "本数字1〜本数字5", "ボーナス"}) {
        EXPECT_NE(run.err.find(name), std::string::npos) << name << ": " << run.err;
    }
    EXPECT_EQ(test::ReadFileBytes(db), before);
}

// The command line does not ask, so it says afterwards which draws the file replaced.
TEST(CsvLayoutsTest, ImportWarnsOfTheDrawsItReplaced) {
    test::TempFolder folder;
    const fs::path db = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(db, test::SomeDraws(3));
    const fs::path csv = folder.Path() / "results.csv";
    std::vector<StoredRow> rows;
    for (const Draw& d : test::SomeDraws(2)) {
        StoredRow row;
        row.drawNumber = d.drawNumber;
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            row.numbers[static_cast<std::size_t>(f)] = d.numbers[static_cast<std::size_t>(f)];
        }
        rows.push_back(row);
    }
    test::WriteFileBytes(csv, FormatCsvHistory(rows));

    const test::CliResult run =
        test::RunCliIn(folder, {"--db", db.string(), "import", csv.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("警告: 前の当選データにあった次の 1 回分"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("第3回"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("取り込んだファイルにありません"), std::string::npos) << run.err;
    EXPECT_EQ(ReadHistoryRows(db), test::SomeDraws(2));
}

}  // namespace
}  // namespace pirumo
