#include "history/import/accessrows.h"

#include <gtest/gtest.h>

#include "history/historyerror.h"
#include "history/import/accesshistory.h"
#include "testhistory.h"

namespace pirumo {
namespace {

AccessRow Row(const char* drawNumber, std::array<const char*, 6> numbers,
              const char* date = nullptr) {
    AccessRow row;
    if (drawNumber) {
        row.drawNumber = drawNumber;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i]) {
            row.numbers[i] = numbers[i];
        }
    }
    if (date) {
        row.date = date;
    }
    return row;
}

AccessHistory Table(std::vector<AccessRow> rows) {
    AccessHistory history;
    history.tableName = "当選データ";
    history.rows = std::move(rows);
    return history;
}

std::string RefusalOf(const AccessHistory& history) {
    try {
        ConvertAccessRows(history, "Accessファイル「x.mdb」");
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(AccessRowsTest, SortsByDrawNumberKeepsEmptyFieldsAndNormalisesDates) {
    const auto draws = ConvertAccessRows(Table({
        Row("3", {"1", "2", "3", "4", "5", nullptr}, "2001/1/2 00:00:00"),
        Row("1", {"31", "30", "29", "28", "27", "26"}, "1999-04-13"),
        Row("2", {"7", " 8 ", "9", "10", "11", "12"}, "1999.4.27"),
    }));
    ASSERT_EQ(draws.size(), 3u);
    Draw first = test::MakeDraw(1, {31, 30, 29, 28, 27}, 26);
    first.date = "1999/04/13";
    Draw second = test::MakeDraw(2, {7, 8, 9, 10, 11}, 12);
    second.date = "1999/04/27";
    Draw third = test::MakeDraw(3, {1, 2, 3, 4, 5}, 0);
    third.date = "2001/01/02";
    EXPECT_EQ(draws, (std::vector<Draw>{first, second, third}));
}

TEST(AccessRowsTest, RefusesDrawNumbersOutsideTheRangeMissingOrRepeated) {
    const std::array<const char*, 6> numbers = {"1", "2", "3", "4", "5", "6"};
    EXPECT_EQ(RefusalOf(Table({Row("1", numbers), Row(nullptr, numbers)})),
              "Accessファイル「x.mdb」の表「当選データ」の2行目の回数が空です。");
    EXPECT_EQ(RefusalOf(Table({Row("0", numbers)})),
              "Accessファイル「x.mdb」の表「当選データ」の1行目の回数「0」は1から32767までの"
              "整数ではありません。");
    EXPECT_NE(RefusalOf(Table({Row("32768", numbers)})).find("1から32767まで"), std::string::npos);
    EXPECT_NE(RefusalOf(Table({Row("-1", numbers)})).find("1から32767まで"), std::string::npos);
    EXPECT_EQ(RefusalOf(Table({Row("32767", numbers)})), "(accepted)");
    EXPECT_EQ(
        RefusalOf(Table({Row("5", numbers), Row("6", numbers), Row("5", numbers)})),
        "Accessファイル「x.mdb」の表「当選データ」の3行目の回数「5」は1行目と重複しています。");
}

TEST(AccessRowsTest, RefusesNumberFieldsThatAreNotWholeNumbersFrom1To31) {
    for (const char* bad : {"0", "32", "17.5", "abc", "-3", "1e1", "99999999999999999999"}) {
        EXPECT_EQ(RefusalOf(Table({Row("4", {"1", "2", "3", "4", "5", bad})})),
                  std::string("Accessファイル「x.mdb」の表「当選データ」の1行目（回数 4）の"
                              "ボーナス数字「") +
                      bad + "」は1から31までの整数ではありません。");
    }
}

TEST(AccessRowsTest, RefusesATableWithoutRows) {
    EXPECT_NE(RefusalOf(Table({})).find("当選データの行がありません"), std::string::npos);
}

// The fuzz target's hand-made seeds (fuzz/make-seeds.py) are the smallest files the reader
// accepts; reading them needs no legacy files beside the repository.
TEST(AccessRowsTest, ReadsTheHandMadeJetFiles) {
    const AccessHistory withQuery = ReadAccessHistoryFile(test::HandMadeJetFile("jet4-query"));
    EXPECT_TRUE(withQuery.foundThroughQuery);
    Draw third = test::MakeDraw(3, {1, 8, 10, 24, 30}, 0);
    third.date = "1999/05/11";
    const auto draws = ConvertAccessRows(withQuery);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws.back(), third);

    const AccessHistory byFields = ReadAccessHistoryFile(test::HandMadeJetFile("jet4-no-query"));
    EXPECT_FALSE(byFields.foundThroughQuery);
    EXPECT_EQ(byFields.tableName, "当選番号表");
    ASSERT_EQ(byFields.rows.size(), 2u);
    EXPECT_FALSE(byFields.rows[1].date.has_value());
}

}  // namespace
}  // namespace pirumo
