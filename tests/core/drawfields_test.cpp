#include "history/drawfields.h"

#include <gtest/gtest.h>

#include "filebytes.h"
#include "history/entry/entrygrid.h"
#include "history/entry/entrytext.h"
#include "history/historyerror.h"
#include "history/import/accessrows.h"
#include "history/import/csvdraws.h"
#include "history/import/csvrecords.h"
#include "history/refresh/downloadedhistory.h"
#include "history/store/historyfile.h"
#include "history/store/sqlcipherdatabase.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using Numbers = std::array<std::int16_t, Draw::kFieldCount>;
using Texts = std::array<std::string, Draw::kFieldCount>;

const Texts kPlain = {"1", "2", "3", "4", "5", "6"};
constexpr Numbers kPlainNumbers = {1, 2, 3, 4, 5, 6};

Texts With(int field, const std::string& text) {
    Texts texts = kPlain;
    texts[static_cast<std::size_t>(field)] = text;
    return texts;
}

// One draw as a file or the entry window spells it, and what every way in makes of it: the draw
// it reads as, or the field a refusal names (a number field 0..5, or kDrawNumberField/kDateField).
constexpr int kDrawNumberField = -1;
constexpr int kDateField = -2;
struct Case {
    std::string drawNumber;
    Texts numbers;
    std::string date;
    std::optional<Numbers> accepted;
    std::string acceptedDate;
    int refusedField = 0;
};

Case Accepts(Texts numbers, Numbers values, std::string date = "", std::string as = "") {
    return {"5", std::move(numbers), std::move(date), values, std::move(as), 0};
}
Case AcceptsDate(std::string date, std::string as) {
    return Accepts(kPlain, kPlainNumbers, std::move(date), std::move(as));
}
Case Refuses(Texts numbers, int field) {
    return {"5", std::move(numbers), "", std::nullopt, "", field};
}
Case RefusesDate(std::string date) {
    return {"5", kPlain, std::move(date), std::nullopt, "", kDateField};
}
Case RefusesDrawNumber(std::string drawNumber) {
    return {std::move(drawNumber), kPlain, "", std::nullopt, "", kDrawNumberField};
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        Accepts(kPlain, kPlainNumbers),
        Accepts({" 1 ", "\t2", "３", "１２", "\u3000３１\u3000", "07"}, {1, 2, 3, 12, 31, 7}),
        Accepts({"1", "", "3", " ", "5", ""}, {1, 0, 3, 0, 5, 0}),
        {"１２", kPlain, "", kPlainNumbers, "", 0},
        {"第12回", kPlain, "", kPlainNumbers, "", 0},
        AcceptsDate("1999/4/13", "1999/04/13"),
        AcceptsDate("1999-04-13 00:00:00", "1999/04/13"),
        AcceptsDate("1999.4.13", "1999/04/13"),
        AcceptsDate("1999年4月13日", "1999/04/13"),
        AcceptsDate(" ２０００/２/２９ ", "2000/02/29"),
        Refuses(With(0, "0"), 0),
        Refuses(With(2, "32"), 2),
        Refuses(With(5, "３２"), 5),
        Refuses(With(1, "1.5"), 1),
        Refuses(With(1, "1.0"), 1),
        Refuses(With(1, "１．５"), 1),
        Refuses(With(3, "+3"), 3),
        Refuses(With(3, "-3"), 3),
        Refuses(With(4, "abc"), 4),
        Refuses(With(4, "1 2"), 4),
        Refuses(With(4, "99999999999999999999"), 4),
        Refuses(With(5, "5"), 5),                     // the bonus repeats a main number
        Refuses({"7", "2", "７", "4", "5", "6"}, 2),  // in either width
        Refuses({"9", "", "", "", "", "09"}, 5),
        RefusesDate("2023/02/29"),
        RefusesDate("1999/13/01"),
        RefusesDate("1999/4/31"),
        RefusesDate("99/4/13"),
        RefusesDate("1999/4-13"),
        RefusesDate("1999/04/13x"),
        RefusesDate("抽せん中止"),
        RefusesDrawNumber("0"),
        RefusesDrawNumber("32768"),
        RefusesDrawNumber("第1回目"),
        RefusesDrawNumber("第 回"),
        RefusesDrawNumber(""),
    };
    return cases;
}

std::string Describe(const Case& c) {
    std::string text = "回数「";
    text.append(c.drawNumber).append("」");
    for (const std::string& n : c.numbers) {
        text.append("「").append(n).append("」");
    }
    return text.append(" 開催日「").append(c.date).append("」");
}

std::string FieldName(int field) {
    if (field == kDrawNumberField) {
        return "回数";
    }
    if (field == kDateField) {
        return "開催日";
    }
    return kNumberFieldNames[static_cast<std::size_t>(field)];
}

// Every file also holds one ordinary draw, so that a case is never the only valid draw.
const Draw kOtherDraw = [] {
    Draw d = test::MakeDraw(1000, {10, 11, 12, 13, 14}, 15);
    d.date = "2020/01/01";
    return d;
}();

// What a way in made of a case: the draw, or the refusal's message.
struct Outcome {
    std::optional<Draw> draw;
    std::string refusal;
};

template <typename Read>
Outcome Run(Read&& read) {
    try {
        for (const Draw& d : read()) {
            if (d.drawNumber != kOtherDraw.drawNumber) {
                return {d, {}};
            }
        }
        return {std::nullopt, "(the case's draw is missing)"};
    } catch (const HistoryError& e) {
        return {std::nullopt, e.what()};
    }
}

Outcome ThroughCsv(const Case& c) {
    std::string csv = "回数,開催日";
    for (const char* name : kNumberFieldNames) {
        csv += std::string(",") + name;
    }
    csv.append("\r\n1000,2020/01/01,10,11,12,13,14,15\r\n")
        .append(QuoteCsvField(c.drawNumber))
        .append(",")
        .append(QuoteCsvField(c.date));
    for (const std::string& n : c.numbers) {
        csv.append(",").append(QuoteCsvField(n));
    }
    return Run([&] { return ParseCsvHistory(csv + "\r\n"); });
}

std::optional<std::string> Field(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

Outcome ThroughAccessRows(const Case& c) {
    AccessHistory history;
    history.tableName = "当選データ";
    AccessRow& other = history.rows.emplace_back();
    other.drawNumber = "1000";
    other.numbers = {"10", "11", "12", "13", "14", "15"};
    AccessRow& row = history.rows.emplace_back();
    row.drawNumber = Field(c.drawNumber);
    for (std::size_t f = 0; f < c.numbers.size(); ++f) {
        row.numbers[f] = Field(c.numbers[f]);
    }
    row.date = Field(c.date);
    return Run([&] { return ConvertAccessRows(history); });
}

// A history file made by another program, whose columns hold text as it was typed.
Outcome ThroughDownloadCheck(const Case& c) {
    test::TempFolder folder;
    const std::filesystem::path file = folder.Path() / "download.mdb";
    {
        SqlCipherDatabase db(file, SqlCipherDatabase::Mode::kCreate);
        db.Execute(
            "CREATE TABLE t (回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, ボーナス数字, "
            "開催日);"
            "CREATE VIEW 全データ選択クエリ AS SELECT * FROM t;"
            "INSERT INTO t VALUES (1000, 10, 11, 12, 13, 14, 15, '2020/01/01');");
        SqlStatement insert(db, "INSERT INTO t VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        insert.BindText(1, c.drawNumber);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            const std::string& text = c.numbers[static_cast<std::size_t>(f)];
            if (text.empty()) {
                insert.BindNull(f + 2);
            } else {
                insert.BindText(f + 2, text);
            }
        }
        if (c.date.empty()) {
            insert.BindNull(8);
        } else {
            insert.BindText(8, c.date);
        }
        insert.Step();
    }
    const std::string body = test::ReadFileBytes(file);
    return Run([&] { return ReadDownloadedHistory(body, test::InProcessAccessReader()); });
}

TEST(DrawFieldsTest, EveryWayInAcceptsAndRefusesTheSameFields) {
    const std::vector<std::pair<const char*, Outcome (*)(const Case&)>> ways = {
        {"CSV", ThroughCsv},
        {"Access", ThroughAccessRows},
        {"download", ThroughDownloadCheck},
    };
    for (const Case& c : Cases()) {
        for (const auto& [way, run] : ways) {
            const Outcome outcome = run(c);
            const std::string where = std::string(way) + ": " + Describe(c);
            if (c.accepted) {
                ASSERT_TRUE(outcome.draw) << where << "\n" << outcome.refusal;
                EXPECT_EQ(outcome.draw->numbers, *c.accepted) << where;
                EXPECT_EQ(outcome.draw->date, c.acceptedDate) << where;
                EXPECT_EQ(outcome.draw->drawNumber, c.drawNumber == "5" ? 5 : 12) << where;
            } else {
                EXPECT_FALSE(outcome.draw) << where;
                EXPECT_NE(outcome.refusal.find("行目"), std::string::npos) << where << "\n"
                                                                           << outcome.refusal;
                EXPECT_NE(outcome.refusal.find(FieldName(c.refusedField)), std::string::npos)
                    << where << "\n"
                    << outcome.refusal;
            }
        }
    }
}

// The entry window's cells hold the number fields only.
TEST(DrawFieldsTest, TheEntryWindowAcceptsAndRefusesTheSameNumbers) {
    for (const Case& c : Cases()) {
        if (c.refusedField < 0) {
            continue;
        }
        ResultGrid grid;
        SetUpEntryGrid(grid, 1);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            grid.SetCellText(entry::kFirstNumberColumn + f, 1,
                             c.numbers[static_cast<std::size_t>(f)]);
        }
        const std::optional<EntryCell> wrong = FindWrongEntryCell(grid);
        if (c.accepted) {
            EXPECT_FALSE(wrong) << Describe(c);
            for (int f = 0; f < Draw::kFieldCount; ++f) {
                EXPECT_EQ(ParseEntryText(c.numbers[static_cast<std::size_t>(f)]).number,
                          (*c.accepted)[static_cast<std::size_t>(f)])
                    << Describe(c);
            }
        } else {
            EXPECT_EQ(wrong, (EntryCell{entry::kFirstNumberColumn + c.refusedField, 1}))
                << Describe(c);
        }
    }
}

}  // namespace
}  // namespace pirumo
