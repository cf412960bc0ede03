#include "history/entry/drawentry.h"

#include <algorithm>

#include "history/drawfields.h"
#include "history/entry/entrydate.h"
#include "history/entry/entrytext.h"
#include "history/historyerror.h"

namespace pirumo {

namespace {

EntryOutcome Refused(std::string message) {
    return {EntryOutcome::Kind::kRefused, std::move(message)};
}

}  // namespace

DrawEntry::DrawEntry(std::filesystem::path file)
    : mFile(std::move(file)),
      mEditor(std::make_unique<HistoryFileEditor>(mFile)),
      mIdentity(IdentityOf(mFile)) {
    FillGrid(mEditor->ReadAll());
    if (mGrid.RowCount() > 0) {
        // The newest draw is where the weekly entry happens.
        mGrid.ActivateCell(entry::kFirstNumberColumn, mGrid.RowCount());
    }
}

DrawEntry::~DrawEntry() = default;

int DrawEntry::DrawNumberAt(int row) const {
    return row >= 1 && row <= static_cast<int>(mDrawNumbers.size())
               ? mDrawNumbers[static_cast<std::size_t>(row - 1)]
               : 0;
}

EntryOutcome DrawEntry::EditCell(int column, int row, std::string_view text) {
    if (row >= 1 && row <= mGrid.RowCount() && column == entry::kDateColumn) {
        return EditDate(row, text);
    }
    if (row < 1 || row > mGrid.RowCount() || !entry::IsNumberColumn(column)) {
        return Refused(column == entry::kDrawColumn ? "回数の欄は変更できません。"
                                                    : "この欄は変更できません。");
    }
    const EntryText value = ParseEntryText(text);
    if (value.kind == EntryText::Kind::kWrong) {
        return Refused("数字は1から31までの整数で入力してください（空欄も可）。");
    }
    const std::string cellText = value.CellText();
    if (cellText == mGrid.CellText(column, row)) {
        return {};
    }
    if (value.kind == EntryText::Kind::kNumber) {
        if (const int other = ColumnHoldingNumber(mGrid, row, value.number, column); other != 0) {
            return Refused(std::string("この回の") + entry::NumberColumnName(other) +
                           "と同じ数字です。同じ回に同じ数字は入りません（ボーナス数字も）。");
        }
    }
    if (auto refusal = RefuseReplacedFile()) {
        return *refusal;
    }
    try {
        mEditor->SetNumber(DrawNumberAt(row), entry::FieldOf(column),
                           value.kind == EntryText::Kind::kNumber
                               ? std::optional<long long>(value.number)
                               : std::nullopt);
    } catch (const HistoryError& error) {
        return ReportFailedWrite(error.what());
    }
    mGrid.SetCellText(column, row, cellText);
    return {EntryOutcome::Kind::kWritten, {}};
}

EntryOutcome DrawEntry::EditDate(int row, std::string_view text) {
    const std::optional<std::string> date = ReadDateText(text);
    if (!date) {
        return Refused(
            "開催日は「2025/09/30」のように、実在する日付で入力してください（空欄も可）。");
    }
    if (*date == mGrid.CellText(entry::kDateColumn, row)) {
        return {};
    }
    if (auto refusal = RefuseReplacedFile()) {
        return *refusal;
    }
    try {
        mEditor->SetDate(DrawNumberAt(row), *date);
    } catch (const HistoryError& error) {
        return ReportFailedWrite(error.what());
    }
    mGrid.SetCellText(entry::kDateColumn, row, *date);
    return {EntryOutcome::Kind::kWritten, {}};
}

EntryOutcome DrawEntry::AddRowAfter(int row, int column) {
    if (row < 0 || row > mGrid.RowCount()) {
        return Refused("行を追加する位置を選んでください。");
    }
    const std::optional<int> drawNumber = NextDrawNumber(row);
    if (!drawNumber) {
        return Refused("選択された行のうしろに追加できる回数がありません（回数は" +
                       std::to_string(kMaxDrawNumber) + "まで）。");
    }
    if (auto refusal = RefuseReplacedFile()) {
        return *refusal;
    }
    // Draws are weekly: the new one is dated a week after the row it follows, when that has a date.
    const std::string date =
        row >= 1 ? OneWeekAfter(mGrid.CellText(entry::kDateColumn, row)) : std::string();
    try {
        mEditor->InsertDraw(*drawNumber, date);
    } catch (const HistoryError& error) {
        return ReportFailedWrite(error.what());
    }
    const auto later = std::upper_bound(mDrawNumbers.begin(), mDrawNumbers.end(), *drawNumber);
    const int newRow = static_cast<int>(later - mDrawNumbers.begin()) + 1;
    mDrawNumbers.insert(later, *drawNumber);
    mGrid.InsertRow(newRow);
    StyleEntryRows(mGrid, newRow, newRow);
    mGrid.SetCellText(entry::kDrawColumn, newRow, *drawNumber);
    mGrid.SetCellText(entry::kDateColumn, newRow, date);
    mGrid.ActivateCell(
        column >= 1 && column <= entry::kColumns ? column : entry::kFirstNumberColumn, newRow);
    return {EntryOutcome::Kind::kWritten, {}};
}

EntryOutcome DrawEntry::DeleteRow(int row) {
    if (row < 1 || row > mGrid.RowCount()) {
        return Refused("削除する行を選んでください。");
    }
    if (auto refusal = RefuseReplacedFile()) {
        return *refusal;
    }
    try {
        mEditor->DeleteDraw(DrawNumberAt(row));
    } catch (const HistoryError& error) {
        return ReportFailedWrite(error.what());
    }
    mGrid.DeleteRow(row);
    mDrawNumbers.erase(mDrawNumbers.begin() + (row - 1));
    if (mGrid.RowCount() == 0) {
        mGrid.ActivateCell(0, 0);
    } else {
        mGrid.ActivateCell(mGrid.ActiveColumn(), std::min(row, mGrid.RowCount()));
    }
    return {EntryOutcome::Kind::kWritten, {}};
}

std::optional<int> DrawEntry::NextDrawNumber(int row) const {
    int candidate = DrawNumberAt(row) + 1;
    // Draw numbers are unique and ascending, so the rows after `row` are the only ones in the way.
    for (auto it = mDrawNumbers.begin() + std::clamp(row, 0, mGrid.RowCount());
         it != mDrawNumbers.end() && *it <= candidate; ++it) {
        if (*it == candidate) {
            ++candidate;
        }
    }
    if (candidate < 1 || candidate > kMaxDrawNumber) {
        return std::nullopt;
    }
    return candidate;
}

void DrawEntry::Reload() {
    const int activeDraw = DrawNumberAt(mGrid.ActiveRow());
    const int activeRow = mGrid.ActiveRow();
    const int activeColumn = mGrid.ActiveColumn();
    FillGrid(mEditor->ReadAll());
    int row = activeDraw != 0 ? RowOfDraw(activeDraw) : 0;
    if (row == 0) {
        row = std::min(activeRow, mGrid.RowCount());
    }
    if (row >= 1) {
        mGrid.ActivateCell(activeColumn, row);
    }
}

void DrawEntry::FillGrid(const std::vector<StoredRow>& rows) {
    mGrid = ResultGrid();
    mDrawNumbers.clear();
    SetUpEntryGrid(mGrid, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FillRow(static_cast<int>(i) + 1, rows[i]);
        mDrawNumbers.push_back(rows[i].drawNumber);
    }
    mGrid.ActivateCell(0, 0);
}

void DrawEntry::FillRow(int row, const StoredRow& stored) {
    mGrid.SetCellText(entry::kDrawColumn, row, stored.drawNumber);
    for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
        mGrid.SetCellText(
            c, row, StoredNumberText(stored.numbers[static_cast<std::size_t>(entry::FieldOf(c))]));
    }
    mGrid.SetCellText(entry::kDateColumn, row, stored.date.value_or(std::string()));
}

int DrawEntry::RowOfDraw(int drawNumber) const {
    const auto it = std::lower_bound(mDrawNumbers.begin(), mDrawNumbers.end(), drawNumber);
    return it != mDrawNumbers.end() && *it == drawNumber
               ? static_cast<int>(it - mDrawNumbers.begin()) + 1
               : 0;
}

// A file replaced while the window is open (a download or an import) is no longer the one the
// editor writes to: writing on would vanish with the old file, so the grid is read again instead.
std::optional<EntryOutcome> DrawEntry::RefuseReplacedFile() {
    const std::optional<FileIdentity> now = IdentityOf(mFile);
    if (now && now == mIdentity) {
        return std::nullopt;
    }
    const std::string notWritten =
        "当選データファイルが入力中に置き換えられたため、この変更は書き込んでいません。";
    try {
        auto editor = std::make_unique<HistoryFileEditor>(mFile);
        mEditor = std::move(editor);
        mIdentity = IdentityOf(mFile);
        Reload();
    } catch (const HistoryError& error) {
        return EntryOutcome{EntryOutcome::Kind::kFailed, notWritten + "\n" + error.what()};
    }
    return EntryOutcome{EntryOutcome::Kind::kFailed,
                        notWritten + "\n新しいファイルの内容を表示しました。"};
}

EntryOutcome DrawEntry::ReportFailedWrite(const std::string& reason) {
    std::string message = "当選データファイルに書き込めませんでした。\n" + reason;
    try {
        Reload();
        message += "\nファイルの内容を表示し直しました。";
    } catch (const HistoryError& error) {
        message += "\nファイルを読み直すこともできません。\n" + std::string(error.what());
    }
    return {EntryOutcome::Kind::kFailed, std::move(message)};
}

}  // namespace pirumo
