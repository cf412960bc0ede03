#include "history/entry/drawentry.h"

#include <gtest/gtest.h>

#include <functional>

#include "history/historyerror.h"
#include "history/store/sqlcipherdatabase.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::TempFolder;
using Kind = EntryOutcome::Kind;

class DrawEntryTest : public ::testing::Test {
protected:
    void WriteHistory(const std::vector<Draw>& draws) { ReplaceHistoryFile(mFile, draws); }

    // The file as another reader sees it.
    std::vector<StoredRow> FileRows() { return HistoryFileEditor(mFile).ReadAll(); }

    std::vector<int> FileDrawNumbers() {
        std::vector<int> numbers;
        for (const StoredRow& row : FileRows()) {
            numbers.push_back(row.drawNumber);
        }
        return numbers;
    }

    static std::vector<int> GridDrawNumbers(const DrawEntry& entry) {
        std::vector<int> numbers;
        for (int r = 1; r <= entry.Grid().RowCount(); ++r) {
            numbers.push_back(std::stoi(entry.Grid().CellText(1, r)));
            EXPECT_EQ(entry.DrawNumberAt(r), numbers.back());
        }
        return numbers;
    }

    TempFolder mDir;
    std::filesystem::path mFile = mDir.Path() / "Pirumo.mdb";
};

TEST_F(DrawEntryTest, ShowsEveryStoredRowAndStartsOnTheNewestDraw) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 0, 9, 10, 11}, 12),
                  MakeDraw(4, {13, 14, 15, 16, 17}, 18)});
    {
        HistoryFileEditor editor(mFile);
        editor.SetNumber(4, 5, 45);  // a stored value outside 1..31
    }
    DrawEntry entry(mFile);
    const ResultGrid& grid = entry.Grid();
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(grid.CellText(2, 1), "1");
    EXPECT_EQ(grid.CellText(3, 2), "");
    EXPECT_EQ(grid.CellText(7, 3), "45");
    EXPECT_EQ(grid.StyleAt(2, 3).type, CellType::EditText);
    EXPECT_EQ(grid.ActiveColumn(), 2);
    EXPECT_EQ(grid.ActiveRow(), 3);
    EXPECT_EQ(FindWrongEntryCell(grid), (EntryCell{7, 3}));
}

TEST_F(DrawEntryTest, EachFinishedEditIsInTheFileAtOnce) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12)});
    DrawEntry entry(mFile);

    EXPECT_EQ(entry.EditCell(3, 2, "２０").kind, Kind::kWritten);
    EXPECT_EQ(entry.Grid().CellText(3, 2), "20");
    EXPECT_EQ(FileRows()[1].numbers[1], 20);

    EXPECT_EQ(entry.EditCell(7, 1, "").kind, Kind::kWritten);
    EXPECT_EQ(FileRows()[0].numbers[5], std::nullopt);

    EXPECT_EQ(entry.EditCell(2, 1, " 01 ").kind, Kind::kUnchanged);
}

TEST_F(DrawEntryTest, WrongTextAndTheDrawColumnAreRefusedWithoutWriting) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    DrawEntry entry(mFile);
    for (const char* text : {"0", "32", "1.5", "abc"}) {
        const EntryOutcome outcome = entry.EditCell(4, 1, text);
        EXPECT_EQ(outcome.kind, Kind::kRefused) << text;
        EXPECT_EQ(outcome.message, "数字は1から31までの整数で入力してください（空欄も可）。");
    }
    EXPECT_EQ(entry.EditCell(1, 1, "9").kind, Kind::kRefused);
    EXPECT_EQ(entry.EditCell(9, 1, "9").kind, Kind::kRefused);
    EXPECT_EQ(entry.EditCell(2, 2, "9").kind, Kind::kRefused);
    EXPECT_EQ(entry.Grid().CellText(4, 1), "3");
    EXPECT_EQ(entry.Grid().CellText(1, 1), "1");
    EXPECT_EQ(FileRows()[0].numbers, (std::array<std::optional<long long>, 6>{1, 2, 3, 4, 5, 6}));
}

// Checked as typed, not only before closing: the bonus counts, the cell's own value does not.
TEST_F(DrawEntryTest, ANumberAnotherCellOfTheDrawHoldsIsRefusedWithThatCellNamed) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12)});
    DrawEntry entry(mFile);
    EXPECT_NE(entry.EditCell(7, 1, "２").message.find("この回の第2数字と同じ数字"),
              std::string::npos);
    EXPECT_EQ(entry.EditCell(2, 1, "6").kind, Kind::kRefused);  // the bonus
    EXPECT_EQ(FileRows()[0].numbers, (std::array<std::optional<long long>, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(entry.EditCell(2, 1, "1").kind, Kind::kUnchanged);
    EXPECT_EQ(entry.EditCell(2, 1, "7").kind, Kind::kWritten);  // draw 2's number
}

Draw Dated(Draw draw, std::string date) {
    draw.date = std::move(date);
    return draw;
}

// The 開催日 column takes real calendar dates in the usual spellings and keeps them as
// YYYY/MM/DD; anything else is refused without writing.
TEST_F(DrawEntryTest, TheDateColumnTakesRealDatesOnly) {
    WriteHistory({Dated(MakeDraw(1, {1, 2, 3, 4, 5}, 6), "2024/02/27")});
    DrawEntry entry(mFile);
    EXPECT_EQ(entry.Grid().CellText(8, 1), "2024/02/27");
    EXPECT_EQ(entry.Grid().StyleAt(8, 1).type, CellType::EditText);

    const std::pair<const char*, const char*> accepted[] = {
        {"2024/2/29", "2024/02/29"},
        {"２０２４年３月５日", "2024/03/05"},
        {" 2024-03-12 ", "2024/03/12"},
        {"2024.3.19", "2024/03/19"},
        {"", ""},
    };
    for (const auto& [typed, stored] : accepted) {
        EXPECT_TRUE(entry.EditCell(8, 1, typed).Ok()) << typed;
        EXPECT_EQ(entry.Grid().CellText(8, 1), stored) << typed;
        EXPECT_EQ(FileRows()[0].date.value_or(""), stored) << typed;
    }
    EXPECT_EQ(entry.EditCell(8, 1, "2024/03/19").kind, Kind::kWritten);
    for (const char* typed :
         {"2023/2/29", "2024/13/01", "2024/04/31", "24/3/19", "2024/3", "2024/3/19/1", "来週"}) {
        const EntryOutcome outcome = entry.EditCell(8, 1, typed);
        EXPECT_EQ(outcome.kind, Kind::kRefused) << typed;
        EXPECT_NE(outcome.message.find("開催日"), std::string::npos) << typed;
    }
    EXPECT_EQ(FileRows()[0].date, "2024/03/19");
}

TEST_F(DrawEntryTest, ANewDrawIsDatedAWeekAfterTheOneBefore) {
    WriteHistory({Dated(MakeDraw(1, {1, 2, 3, 4, 5}, 6), "2025/12/30"), MakeDraw(3, {}, 0)});
    DrawEntry entry(mFile);
    EXPECT_EQ(entry.AddRowAfter(1, 2).kind, Kind::kWritten);
    EXPECT_EQ(entry.Grid().CellText(8, 2), "2026/01/06");
    EXPECT_EQ(FileRows()[1].date, "2026/01/06");

    EXPECT_EQ(entry.AddRowAfter(3, 2).kind, Kind::kWritten);  // after the undated draw 3
    EXPECT_EQ(entry.Grid().CellText(8, 4), "");
    EXPECT_EQ(FileRows()[3].date, std::nullopt);
}

TEST_F(DrawEntryTest, NextDrawNumberIsTheSmallestUnusedAboveTheRow) {
    WriteHistory({MakeDraw(1, {}, 0), MakeDraw(2, {}, 0), MakeDraw(3, {}, 0), MakeDraw(5, {}, 0),
                  MakeDraw(6, {}, 0), MakeDraw(32767, {}, 0)});
    DrawEntry entry(mFile);
    EXPECT_EQ(entry.NextDrawNumber(0), 4);
    EXPECT_EQ(entry.NextDrawNumber(1), 4);
    EXPECT_EQ(entry.NextDrawNumber(3), 4);
    EXPECT_EQ(entry.NextDrawNumber(4), 7);
    EXPECT_EQ(entry.NextDrawNumber(6), std::nullopt);
    EXPECT_EQ(entry.AddRowAfter(6, 2).kind, Kind::kRefused);
}

TEST_F(DrawEntryTest, AddedRowIsWrittenInDrawOrderAndBecomesActive) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12),
                  MakeDraw(4, {1, 2, 3, 4, 5}, 6)});
    DrawEntry entry(mFile);

    EXPECT_EQ(entry.AddRowAfter(3, 4).kind, Kind::kWritten);  // after the last row
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(entry.Grid().ActiveRow(), 4);
    EXPECT_EQ(entry.Grid().ActiveColumn(), 4);
    for (int c = 2; c <= 7; ++c) {
        EXPECT_EQ(entry.Grid().CellText(c, 4), "");
        EXPECT_EQ(entry.Grid().StyleAt(c, 4), entry.Grid().StyleAt(c, 1));
    }
    EXPECT_EQ(entry.Grid().StyleAt(1, 4), entry.Grid().StyleAt(1, 1));

    EXPECT_EQ(entry.AddRowAfter(1, 2).kind, Kind::kWritten);  // fills the gap at 3
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(entry.Grid().ActiveRow(), 3);
    EXPECT_EQ(FileDrawNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(entry.EditCell(2, 3, "8").kind, Kind::kWritten);
    EXPECT_EQ(FileRows()[2].numbers[0], 8);
}

TEST_F(DrawEntryTest, AnEmptyHistoryStartsAtDrawOne) {
    WriteHistory({});
    DrawEntry entry(mFile);
    EXPECT_EQ(entry.Grid().RowCount(), 0);
    EXPECT_EQ(entry.DeleteRow(1).kind, Kind::kRefused);
    EXPECT_EQ(entry.AddRowAfter(0, 2).kind, Kind::kWritten);
    EXPECT_EQ(FileDrawNumbers(), (std::vector<int>{1}));
}

TEST_F(DrawEntryTest, DeletedRowLeavesTheFile) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12),
                  MakeDraw(3, {1, 2, 3, 4, 5}, 6)});
    DrawEntry entry(mFile);
    EXPECT_EQ(entry.DeleteRow(2).kind, Kind::kWritten);
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 3}));
    EXPECT_EQ(FileDrawNumbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(entry.DeleteRow(2).kind, Kind::kWritten);
    EXPECT_EQ(entry.Grid().ActiveRow(), 1);
    EXPECT_EQ(FileDrawNumbers(), (std::vector<int>{1}));
}

TEST_F(DrawEntryTest, AFailedWriteShowsTheFileAsItIs) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12),
                  MakeDraw(3, {1, 2, 3, 4, 5}, 6)});
    DrawEntry entry(mFile);
    entry.Grid().ActivateCell(5, 3);

    // Another program changes draw 1, removes draw 3 and keeps the file locked for writing.
    SqlCipherDatabase other(mFile, SqlCipherDatabase::Mode::kReadWrite);
    other.Execute("UPDATE 当選データ SET 第1数字 = 30 WHERE 回数 = 1");
    other.Execute("DELETE FROM 当選データ WHERE 回数 = 3");
    other.Execute("BEGIN IMMEDIATE");

    for (const auto& change : {std::function([&] { return entry.EditCell(3, 2, "20"); }),
                               std::function([&] { return entry.AddRowAfter(2, 2); }),
                               std::function([&] { return entry.DeleteRow(1); })}) {
        const EntryOutcome outcome = change();
        EXPECT_EQ(outcome.kind, Kind::kFailed);
        EXPECT_NE(outcome.message.find("書き込めませんでした"), std::string::npos);
        EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 2}));
        EXPECT_EQ(entry.Grid().CellText(2, 1), "30");
        EXPECT_EQ(entry.Grid().CellText(3, 2), "8");
        // The active draw is gone: the active cell stays within the grid.
        EXPECT_EQ(entry.Grid().ActiveRow(), 2);
        EXPECT_EQ(entry.Grid().ActiveColumn(), 5);
    }
    other.Execute("COMMIT");
    EXPECT_EQ(FileDrawNumbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(FileRows()[1].numbers[1], 8);

    // Once the lock is gone, writing works again; a write to a vanished draw fails cleanly.
    EXPECT_EQ(entry.EditCell(3, 2, "20").kind, Kind::kWritten);
    other.Execute("DELETE FROM 当選データ WHERE 回数 = 2");
    EXPECT_EQ(entry.EditCell(4, 2, "21").kind, Kind::kFailed);
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1}));
}

TEST_F(DrawEntryTest, AReplacedFileIsReadAgainInsteadOfWrittenBehind) {
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    DrawEntry entry(mFile);
    WriteHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {7, 8, 9, 10, 11}, 12)});

    const EntryOutcome outcome = entry.EditCell(2, 1, "9");
    EXPECT_EQ(outcome.kind, Kind::kFailed);
    EXPECT_NE(outcome.message.find("置き換えられた"), std::string::npos);
    EXPECT_EQ(GridDrawNumbers(entry), (std::vector<int>{1, 2}));
    EXPECT_EQ(entry.Grid().CellText(2, 1), "1");
    EXPECT_EQ(FileRows()[0].numbers[0], 1);

    EXPECT_EQ(entry.EditCell(2, 1, "9").kind, Kind::kWritten);
    EXPECT_EQ(FileRows()[0].numbers[0], 9);

    std::filesystem::remove(mFile);
    EXPECT_EQ(entry.EditCell(2, 1, "10").kind, Kind::kFailed);
}

TEST_F(DrawEntryTest, OpeningAMissingFileThrows) {
    EXPECT_THROW(DrawEntry entry(mFile), HistoryError);
}

}  // namespace
}  // namespace pirumo
