#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/fileidentity.h"
#include "grid/resultgrid.h"
#include "history/entry/entrygrid.h"
#include "history/store/historyfile.h"

namespace pirumo {

// What became of one change asked for in the entry grid.
struct EntryOutcome {
    enum class Kind {
        kWritten,    // the file and the grid hold the change
        kUnchanged,  // nothing to do
        kRefused,    // not allowed or not a valid value; file and grid untouched
        kFailed,     // the write failed; the grid shows the file as it now is
    };
    Kind kind = Kind::kUnchanged;
    std::string message;  // Japanese, for kRefused and kFailed

    bool Ok() const { return kind == Kind::kWritten || kind == Kind::kUnchanged; }
};

// The rows of the history file as the manual entry window edits them. Every finished edit, added
// row and deleted row is written to the file at once, each in one transaction; when a write
// fails the grid is read again from the file, so it never shows what the file does not hold.
class DrawEntry {
public:
    // Opens the file for editing and fills the grid; throws HistoryError.
    explicit DrawEntry(std::filesystem::path file);
    ~DrawEntry();
    DrawEntry(const DrawEntry&) = delete;
    DrawEntry& operator=(const DrawEntry&) = delete;

    ResultGrid& Grid() { return mGrid; }
    const ResultGrid& Grid() const { return mGrid; }
    int DrawNumberAt(int row) const;

    // Number cell (column 2..7) or date cell (column 8) of `row` finished with `text`. A number
    // another cell of the draw holds is refused as it is typed, not only when the window closes.
    EntryOutcome EditCell(int column, int row, std::string_view text);
    // Adds a draw after `row` (0 when no row is active) with the smallest unused draw number
    // greater than that row's, dated a week after that row's date; the new row keeps the draws
    // in order and becomes the active row, in `column` when it is a grid column.
    EntryOutcome AddRowAfter(int row, int column);
    EntryOutcome DeleteRow(int row);

    // The smallest draw number above row's that no row has; nullopt when none is left.
    std::optional<int> NextDrawNumber(int row) const;

    // Reads the file again; the active cell stays on the same draw where it still exists.
    void Reload();

private:
    EntryOutcome EditDate(int row, std::string_view text);
    void FillGrid(const std::vector<StoredRow>& rows);
    void FillRow(int row, const StoredRow& stored);
    int RowOfDraw(int drawNumber) const;
    std::optional<EntryOutcome> RefuseReplacedFile();
    EntryOutcome ReportFailedWrite(const std::string& reason);

    std::filesystem::path mFile;
    std::unique_ptr<HistoryFileEditor> mEditor;
    std::optional<FileIdentity> mIdentity;
    ResultGrid mGrid;
    std::vector<int> mDrawNumbers;  // index row - 1
};

}  // namespace pirumo
