#include <gtest/gtest.h>
#include <sqlite3.h>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/bundledhistory.h"
#include "history/import/historycsv.h"
#include "history/import/importsource.h"
#include "history/prizefields.h"
#include "history/refresh/historyrefresh.h"
#include "history/store/databasepassword.h"
#include "history/store/historyfile.h"
#include "historybodies.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

const std::string kHeader =
    "回数,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字,"
    "1等口数,1等賞金,2等口数,2等賞金,3等口数,3等賞金,4等口数,4等賞金\n";

DrawPrizes Prizes(std::int64_t first) {
    return {{1, 10, 300, 9000}, {first, 100000, 10000, 1000}};
}

std::vector<Draw> DrawsWithPrizes(int count) {
    std::vector<Draw> rows = test::SomeDraws(count);
    for (Draw& d : rows) {
        d.prizes = Prizes(1000000 + d.drawNumber);
    }
    return rows;
}

std::string RefusalOf(const std::string& csv) {
    try {
        ParseCsvHistory(csv);
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(PrizeFieldsTest, ReadsCountsAsPublishedResultsWriteThem) {
    const struct {
        const char* text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {"9947500", 9947500},
        {" 9,947,500 ", 9947500},
        {"９，９４７，５００円", 9947500},
        {"1,512口", 1512},
        {"0", 0},
        {"999,999,999,999", 999999999999},
        {"1,000,000,000,000", std::nullopt},
        {"12,34", std::nullopt},
        {",100", std::nullopt},
        {"1,0000", std::nullopt},
        {"1234,567", std::nullopt},
        {"100,", std::nullopt},
        {"-5", std::nullopt},
        {"1.5", std::nullopt},
        {"該当なし", std::nullopt},
        {"円", std::nullopt},
    };
    for (const auto& c : cases) {
        bool empty = true;
        EXPECT_EQ(ReadPrizeText(c.text, &empty), c.value) << c.text;
        EXPECT_FALSE(empty) << c.text;
    }
    bool empty = false;
    EXPECT_EQ(ReadPrizeText("　", &empty), std::nullopt);
    EXPECT_TRUE(empty);
}

TEST(PrizeFieldsTest, CsvPrizeColumnsAreOptionalButComeAllTogether) {
    const auto rows = ParseCsvHistory(kHeader +
                                      "1353,2025/09/23,6,11,13,14,18,5,1,9947500,67,159900,1512,"
                                      "12200,45382,1000\n"
                                      "1354,2025/09/30,1,2,3,4,5,6,,,,,,,,\n");
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_TRUE(rows[0].prizes);
    EXPECT_EQ(*rows[0].prizes, (DrawPrizes{{1, 67, 1512, 45382}, {9947500, 159900, 12200, 1000}}));
    EXPECT_FALSE(rows[1].prizes);
    EXPECT_FALSE(ParseCsvHistory("回,第1数字,第2数字,第3数字,第4数字,第5数字,ボ数字\n"
                                 "1,1,2,3,4,5,6\n")[0]
                     .prizes);

    EXPECT_EQ(RefusalOf(kHeader + "7,,1,2,3,4,5,6,1,100,,200,3,300,4,400\n"),
              "2行目（第7回）の「2等口数」が空です。賞金の欄は8つともそろえるか、すべて空にして"
              "ください。");
    EXPECT_EQ(RefusalOf(kHeader + "7,,1,2,3,4,5,6,1,100,2,200,3,300,4,x\n"),
              "2行目（第7回）の「4等賞金」の「x」は0以上の整数ではありません。");
    // Part of the set is ignored like any column the import does not know.
    EXPECT_FALSE(ParseCsvHistory(
                     "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字,1等口数,1等賞金\n"
                     "1,1,2,3,4,5,6,1,100\n")[0]
                     .prizes);
}

TEST(PrizeDataTest, TheHistoryFileKeepsPrizesAndExportWritesThem) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    std::vector<Draw> rows = DrawsWithPrizes(3);
    rows[1].prizes.reset();
    EXPECT_EQ(ReplaceHistoryFile(file, rows).Rows(), rows);
    EXPECT_EQ(OpenDrawHistory(file).Rows(), rows);

    const fs::path csv = folder.Path() / "out.csv";
    ExportCsvHistory(file, csv);
    const std::string text = test::ReadFileBytes(csv);
    EXPECT_NE(text.find("ボーナス数字,1等口数,1等賞金,2等口数"), std::string::npos) << text;
    EXPECT_NE(text.find(",,,,,,,,\r\n3,"), std::string::npos) << text;
    EXPECT_EQ(ReadCsvHistoryFile(csv), rows);

    // Without any prize data the export looks as it always did.
    ReplaceHistoryFile(file, test::SomeDraws(2));
    ExportCsvHistory(file, csv);
    EXPECT_EQ(test::ReadFileBytes(csv).find("等"), std::string::npos);
}

// Written before prize data existed: only 当選データ and its view.
TEST(PrizeDataTest, AFileWithoutThePrizeTableOpensAndEditsAsBefore) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    const std::string key = DatabasePassword();
    sqlite3_key(db, key.data(), static_cast<int>(key.size()));
    const std::string sql = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations) +
                            ";CREATE TABLE 当選データ (回数 INTEGER PRIMARY KEY, 第1数字, 第2数字,"
                            " 第3数字, 第4数字, 第5数字, ボーナス数字, 開催日);"
                            "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;"
                            "INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 5, 6, NULL);";
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    EXPECT_EQ(OpenDrawHistory(file).Rows(), (std::vector{test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)}));
    HistoryFileEditor editor(file);
    editor.InsertDraw(2);
    editor.DeleteDraw(1);
    ASSERT_EQ(editor.ReadAll().size(), 1u);
    EXPECT_FALSE(editor.ReadAll()[0].prizes);
}

TEST(PrizeDataTest, EditingDrawsKeepsPrizesUntilTheDrawIsDeleted) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, DrawsWithPrizes(3));
    {
        HistoryFileEditor editor(file);
        editor.SetNumber(2, 0, 7);
        editor.SetDate(2, "2001/01/01");
        editor.InsertDraw(4);
        editor.DeleteDraw(3);
        editor.InsertDraw(3);
    }
    const auto rows = ReadHistoryRows(file);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].prizes, Prizes(1000001));
    EXPECT_EQ(rows[1].prizes, Prizes(1000002));
    EXPECT_FALSE(rows[2].prizes);  // deleted and entered again: a new draw
    EXPECT_FALSE(rows[3].prizes);
}

// Sources without prize data replace the draws; the draws they repeat unchanged keep theirs.
TEST(PrizeDataTest, ImportAndRefreshKeepPrizesOfUnchangedDraws) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    const test::InProcessAccessReader access;
    std::vector<Draw> incoming = test::SomeDraws(4);
    incoming[1].numbers[Draw::kBonusIndex] = 31 - incoming[1].numbers[Draw::kBonusIndex];
    incoming[2].prizes = Prizes(5);
    const fs::path source = folder.Path() / "in.mdb";
    test::WriteFileBytes(source, test::HistoryFileBytes(incoming));

    const auto expectKept = [&](const std::vector<Draw>& rows) {
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0].prizes, Prizes(1000001));
        EXPECT_FALSE(rows[1].prizes);  // its numbers changed
        EXPECT_EQ(rows[2].prizes, Prizes(5));
        EXPECT_FALSE(rows[3].prizes);
        EXPECT_EQ(ReadHistoryRows(file), rows);
    };
    ReplaceHistoryFile(file, DrawsWithPrizes(3));
    expectKept(ImportHistory(source, file, access).history.Rows());

    ReplaceHistoryFile(file, DrawsWithPrizes(3));
    const RefreshPlan plan = PlanHistoryRefresh(file, test::HistoryFileBytes(incoming), access);
    EXPECT_EQ(plan.correctedDrawCount, 2);  // draw 2's numbers and draw 3's prizes
    expectKept(ApplyHistoryRefresh(file, plan).Rows());
}

TEST(PrizeDataTest, TheBundledHistoryHasPrizesForEveryDraw) {
    test::TempFolder folder;
    const DrawHistory history =
        CreateHistoryFromBundled(ReadBundledHistory(test::RealHistoryCsv()), folder.Path() / "P");
    EXPECT_EQ(CountDrawsWithPrizes(history.Rows()), 1353);
    EXPECT_EQ(history.Rows().back().prizes->amount[0], 9947500);
}

}  // namespace
}  // namespace pirumo
