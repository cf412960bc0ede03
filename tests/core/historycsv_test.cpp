#include "history/import/historycsv.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/importsource.h"
#include "history/store/historyfile.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

constexpr auto E = Draw::kEmptyField;
using Numbers = std::array<std::int16_t, 6>;

const std::string kHeader = "回数,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n";

// Imports a CSV file and returns how many draws the history now holds.
std::size_t ImportCsv(const std::filesystem::path& csv, const std::filesystem::path& file) {
    return ImportHistory(csv, file, test::InProcessAccessReader()).history.Rows().size();
}

std::string RefusalOf(const std::string& csv) {
    try {
        ParseCsvHistory(csv);
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(HistoryCsvTest, HeaderNamesPickTheColumnsInAnyOrder) {
    const auto rows = ParseCsvHistory(
        "メモ,回,BONUS数字,第5数字,第4数字,第3数字,第2数字,第1数字,開催日\n"
        "x,2,9,5,4,3,2,1,1999/4/20\n"
        "y,1,26,25,20,17,3,1,1999年4月13日\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].drawNumber, 2);
    EXPECT_EQ(rows[0].numbers, (Numbers{1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(rows[0].date, "1999/04/20");
    EXPECT_EQ(rows[1].date, "1999/04/13");

    const auto other = ParseCsvHistory(
        "開催回,第1数字,第2数字,第3数字,第4数字,第5数字,ボ数字,日付\n"
        "7,1,2,3,4,5,6,1999-4-13\n"
        "8,1,2,3,4,5,6,1999年4月20日\n");
    EXPECT_EQ(other[0].numbers, (Numbers{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(other[0].date, "1999/04/13");
    EXPECT_EQ(other[1].date, "1999/04/20");
    EXPECT_EQ(ParseCsvHistory(
                  "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1,1,2,3,4,5,6\n")[0]
                  .date,
              "");
}

TEST(HistoryCsvTest, Cp932TextIsDetected) {
    // 回数,日付,第1数字..第5数字,ボーナス数字,備考 in CP932; the last column holds half-width ｱ and
    // 表, whose second byte is a backslash.
    const std::string number = "\x90\x94\x8e\x9a";
    std::string csv = "\x89\xf1\x90\x94,\x93\xfa\x95\x74";
    for (char d = '1'; d <= '5'; ++d) {
        csv += std::string(",\x91\xe6") + d + number;
    }
    csv += ",\x83\x7b\x81\x5b\x83\x69\x83\x58" + number + ",\x94\xf5\x8d\x6c\r\n";
    csv += "1,1999/04/13,1,3,17,20,25,26,\xb1\x95\x5c\r\n";

    const auto rows = ParseCsvHistory(csv);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].numbers, (Numbers{1, 3, 17, 20, 25, 26}));
    EXPECT_EQ(rows[0].date, "1999/04/13");
}

TEST(HistoryCsvTest, BomQuotesLineEndsAndEmptyFields) {
    const auto rows = ParseCsvHistory(
        "\xEF\xBB\xBF\"回数\",日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字,備考\r\n"
        "1,\"1999/04/13\",\"1\",3,17,20,25,26,\"a, \"\"b\"\"\r\nc\"\r\n"
        "\r\n"
        "2,,2,,12, 21 ,30,,\n"
        "3,,,,,,,,\n"
        ",,,,,,,,\r\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].numbers, (Numbers{1, 3, 17, 20, 25, 26}));
    EXPECT_EQ(rows[1].numbers, (Numbers{2, E, 12, 21, 30, E}));
    EXPECT_EQ(rows[1].date, "");
    EXPECT_EQ(rows[2].numbers, (Numbers{E, E, E, E, E, E}));
}

TEST(HistoryCsvTest, RefusalsNameTheLineAndField) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kHeader + "1,,1,2,3,4,5,6\n2,,1,2,32,4,5,6\n",
         "3行目（回数 2）の第3数字「32」は1から31までの整数ではありません"},
        {kHeader + "1,,1,2,3,4,5,0\n", "2行目（回数 1）のボーナス数字「0」"},
        {kHeader + "1,,1.5,2,3,4,5,6\n", "2行目（回数 1）の第1数字「1.5」"},
        {kHeader + "1,,1,2,3,4,abc,6\n", "2行目（回数 1）の第5数字「abc」"},
        {kHeader + "1,,1,2,3,4,5,-6\n", "2行目（回数 1）のボーナス数字「-6」"},
        {kHeader + "1,,1,2,3,4,5,6\n,,1,2,3,4,5,6\n", "3行目の回数が空です"},
        {kHeader + "32768,,1,2,3,4,5,6\n",
         "2行目の回数「32768」は1から32767までの整数ではありません"},
        {kHeader + "0,,1,2,3,4,5,6\n", "2行目の回数「0」"},
        {kHeader + "第1回目,,1,2,3,4,5,6\n", "2行目の回数「第1回目」"},
        {kHeader + "1,,1,2,3,4,5,6\n2,,1,2,3,4,5,6\n1,,1,2,3,4,5,6\n",
         "4行目の回数「1」は2行目と重複しています"},
        {"回数,第1数字,第2数字,第3数字,第5数字,ボーナス数字\n1,1,2,3,4,5\n",
         "1行目に列「第4数字」がありません"},
        {"第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1,2,3,4,5,6\n",
         "1行目に列「回数」がありません。見出しの行には次の列名が使えます。\n"
         "回数: 回数、開催回、回、回号、回別（値は 第1354回 とも書けます）\n"
         "日付（なくても可）: 日付、開催日、抽せん日、抽選日\n"
         "数字: 第1数字〜第5数字、本数字1〜本数字5、数字1〜数字5（列名の数字は全角でも可）\n"
         "ボーナス数字: ボーナス数字、BONUS数字、ボ数字、ボーナス"},
        {"回号,本数字1,本数字2,本数字3,本数字4,本数字6,ボーナス\n1,1,2,3,4,5,6\n",
         "1行目に列「第5数字」がありません"},
        {"回数,開催回,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n",
         "1行目の列「開催回」が重複しています"},
        {"", "中身が空です"},
        {"\xEF\xBB\xBF\r\n\r\n", "中身が空です"},
        {kHeader, "当選データの行がありません"},
        {kHeader + "1,\"1999/04/13,1,2,3,4,5,6\n", "2行目の「\"」が閉じられていません"},
        // Damage: a line cut short, a stray quote, nothing worth replacing a history with.
        {kHeader + "1,,1,2,3,4,5,6\n2,,1,2,3", "3行目の項目が5個しかありません（見出しは8個）"},
        {kHeader + "1,,1,2,3,4,5,6\n2,,1,2,3,4,5,1\"2\"\n", "3行目の値の途中に「\"」があります"},
        {kHeader + "1,,\"1\"2,2,3,4,5,6\n", "2行目に「\"」で囲んだ値のあとに続く文字があります"},
        {kHeader + "1,,1,2,3,4,5,\n2,,,,,,,\n", "有効な当選データが1件もありません"},
        {kHeader + "1,,1,2,3,4,5,6\n\xFF\xFE\n",
         "文字コードがUTF-8でもシフトJIS（CP932）でもありません"},
    };
    for (const auto& [csv, expected] : cases) {
        EXPECT_NE(RefusalOf(csv).find(expected), std::string::npos)
            << "got: " << RefusalOf(csv) << "\nexpected: " << expected;
    }
}

TEST(HistoryCsvTest, RefusedImportLeavesHistoryFileByteForByteIntact) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {Draw{1, {1, 2, 3, 4, 5, 6}, "1999/04/13"}});
    const std::string before = ReadFileBytes(file);

    TempFolder input;
    const auto csv = input.Path() / "history.csv";
    WriteFileBytes(csv, kHeader + "1,,1,2,3,4,5,6\n2,,1,2,3,4,5,99\n");
    try {
        ImportCsv(csv, file);
        ADD_FAILURE() << "the import was not refused";
    } catch (const HistoryError& e) {
        EXPECT_NE(std::string(e.what()).find("CSVファイル「" + csv.string() +
                                             "」の3行目（回数 2）のボーナス数字「99」"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(ImportCsv(input.Path() / "missing.csv", file), HistoryError);

    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(HistoryCsvTest, ImportReplacesTheHistoryAndExportWritesItBack) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    CreateHistoryFile(file);
    const auto csv = dir.Path() / "in.csv";
    WriteFileBytes(csv, kHeader + "2,1999/04/20,7,8,9,10,11,\n1,1999/4/13,1,3,17,20,25,26\n");
    EXPECT_EQ(ImportCsv(csv, file), 2u);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Pirumo.mdb.bak"));
    {
        HistoryFileEditor editor(file);
        editor.InsertDraw(3);
        editor.SetNumber(3, 0, 40);
    }

    const auto out = dir.Path() / "out.csv";
    EXPECT_EQ(ExportCsvHistory(file, out), 3);
    EXPECT_EQ(ReadFileBytes(out),
              "\xEF\xBB\xBF回数,開催日,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\r\n"
              "1,1999/04/13,1,3,17,20,25,26\r\n"
              "2,1999/04/20,7,8,9,10,11,\r\n"
              "3,,40,,,,,\r\n");

    // The stored 40 is refused on the way back in; without it the export imports as it was.
    EXPECT_THROW(ImportCsv(out, file), HistoryError);
    {
        HistoryFileEditor editor(file);
        editor.SetNumber(3, 0, std::nullopt);
    }
    const auto before = ReadHistoryRows(file);
    ExportCsvHistory(file, out);
    ImportCsv(out, file);
    EXPECT_EQ(ReadHistoryRows(file), before);
}

TEST(HistoryCsvTest, RealHistoryImports) {
    const auto csv = test::RealHistoryCsv();
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    EXPECT_EQ(ImportCsv(csv, file), 1353u);
    const DrawHistory history = OpenDrawHistory(file);
    const auto& counts = history.NumberCounts();
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 8118);
    EXPECT_EQ(history.LastDrawNumber(), 1353);
    EXPECT_EQ(history.Rows()[0].numbers, (Numbers{1, 3, 17, 20, 25, 26}));
    EXPECT_EQ(history.Rows()[0].date, "1999/04/13");
}

}  // namespace
}  // namespace pirumo
