#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/packedids.h"
#include "grid/texttable.h"

namespace pirumo {

// A colour as one integer R + 256*G + 65536*B.
using Rgb = std::uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
    return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
constexpr int RedOf(Rgb c) {
    return static_cast<int>(c & 0xff);
}
constexpr int GreenOf(Rgb c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int BlueOf(Rgb c) {
    return static_cast<int>((c >> 16) & 0xff);
}

enum class HAlign : std::uint8_t { Center, Left };
enum class CellType : std::uint8_t { StaticText, EditText };
enum class ScrollBars : std::uint8_t { None, Horizontal, Vertical, Both };

// Border sides as the grid's set-border operation takes them.
namespace border {
constexpr int kNone = 0;
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kTop = 4;
constexpr int kBottom = 8;
constexpr int kAll = 15;      // all four sides of every cell of the block
constexpr int kOutline = 16;  // only the outline of the block
}  // namespace border

// How one cell looks; shared between cells through a style table.
struct CellStyle {
    Rgb fore = 0;
    Rgb back = 0xffffff;
    HAlign align = HAlign::Center;
    CellType type = CellType::StaticText;
    std::uint8_t borders = 0;                      // bitmask of sides drawn (1 left .. 8 bottom)
    std::array<Rgb, 4> borderColours{0, 0, 0, 0};  // left, right, top, bottom

    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

// The model of a spreadsheet-like result grid, driven the way a spreadsheet control is: select a
// cell or a block, then set properties that apply to the current cell, or to the whole block
// while block mode is on. Columns and rows count from 1; 0 addresses the built-in header row or
// column; -1 means every column or every row (1..count). Writes outside the grid are ignored, as
// the control ignores them.
class ResultGrid {
public:
    static constexpr int kAll = -1;
    static constexpr double kDefaultColumnWidth = 8.0;  // characters
    static constexpr double kDefaultRowHeight = 12.0;   // points

    ResultGrid();

    // Size and presentation.
    void SetColumnCount(int columns);
    void SetRowCount(int rows);
    int ColumnCount() const { return mColumns; }
    int RowCount() const { return mRows; }
    void SetVisibleSize(int columns, int rows);  // with auto-size on
    int VisibleColumns() const { return mVisibleColumns; }
    int VisibleRows() const { return mVisibleRows; }
    void SetHeadersVisible(bool columnHeaders, bool rowHeaders);
    bool ColumnHeadersVisible() const { return mColumnHeaders; }
    bool RowHeadersVisible() const { return mRowHeaders; }
    void SetScrollBars(ScrollBars bars) { mScrollBars = bars; }
    ScrollBars GetScrollBars() const { return mScrollBars; }
    void SetColumnWidth(int column, double characters);  // column or kAll
    void SetRowHeight(int row, double points);           // row or kAll
    double ColumnWidth(int column) const;
    double RowHeight(int row) const;
    void SetAllowOverflow(bool on) { mOverflow = on; }
    bool AllowOverflow() const { return mOverflow; }

    // Current cell and block.
    void SelectCell(int column, int row);
    void SelectBlock(int column, int row, int column2, int row2);
    void SetBlockMode(bool on) { mBlockMode = on; }
    bool BlockMode() const { return mBlockMode; }

    // Properties of the current cell, or of the current block in block mode.
    void SetCellType(CellType type);
    void SetAlignment(HAlign align);
    void SetBackColor(Rgb colour);
    void SetForeColor(Rgb colour);
    void SetText(std::string_view text);
    // Solid border in `colour` on `sides` (see namespace border); kNone removes every side.
    void SetCellBorder(int sides, Rgb colour = 0);
    void ClearBlockTexts();  // texts of the current block (or cell) emptied, formatting kept

    // Convenience: select the block columns c1..c2, rows r1..r2 with block mode on.
    ResultGrid& Block(int column, int row, int column2, int row2);
    ResultGrid& Cell(int column, int row);  // select one cell, block mode off

    // Single cells.
    void SetCellText(int column, int row, std::string_view text);
    void SetCellText(int column, int row, long long number);  // decimal text
    // Outside the grid these read "" and the default style. References stay valid until the
    // grid is destroyed or assigned to.
    const std::string& CellText(int column, int row) const;
    const CellStyle& StyleAt(int column, int row) const;

    // Active cell (set-up ends with (0, 0)).
    void ActivateCell(int column, int row);
    int ActiveColumn() const { return mActiveColumn; }
    int ActiveRow() const { return mActiveRow; }

    // Rows (entry window): insert an empty row before `row`, or delete `row`.
    void InsertRow(int row);
    void DeleteRow(int row);

    // For the view and the exports: where texts are drawn. A cell with text draws it across
    // columns first..last of its row (its own column when it fits or overflow is off); an empty
    // cell covered by a neighbour's text reports that neighbour as source. A left-aligned text
    // runs right across empty cells while it is wider than the columns covered so far; a centred
    // text takes empty cells right and left in turn and is drawn centred on the whole span.
    // Widths are DisplayWidth() units against column widths in characters. Column 0 never
    // overflows and nothing overflows into it.
    struct TextSpan {
        int source = -1;  // column holding the text, -1 = nothing drawn in this cell
        int first = -1;
        int last = -1;
        bool HasText() const { return source >= 0; }
        friend bool operator==(const TextSpan&, const TextSpan&) = default;
    };
    // Spans of every cell of `row`, indexed by column 0..ColumnCount(); one pass per row, so
    // a view should call it once per painted row rather than TextSpanAt per cell.
    std::vector<TextSpan> RowTextSpans(int row) const;
    TextSpan TextSpanAt(int column, int row) const;

    // The column whose text runs into the empty cell (column, row), or 0 when none.
    int OverflowSource(int column, int row) const;

    // Approximate bytes held, for the memory benchmark.
    std::size_t MemoryBytes() const;

private:
    // Columns and rows of an operation, already clipped to the grid; empty when first > last.
    struct Area {
        int firstColumn = 1;
        int lastColumn = 0;
        int firstRow = 1;
        int lastRow = 0;
    };
    struct StyleHash {
        std::size_t operator()(const CellStyle& style) const;
    };

    bool Contains(int column, int row) const;
    std::size_t IndexOf(int column, int row) const;
    Area TargetArea() const;
    Area AreaOf(int column, int row, int column2, int row2) const;
    std::uint32_t InternStyle(const CellStyle& style);
    template <typename Change>
    void ChangeStyles(const Area& area, Change&& change);
    void FillTexts(const Area& area, std::uint32_t text);
    void ResizeCells(int columns, int rows);
    void SpreadText(std::vector<TextSpan>& spans, int column, int row) const;

    int mColumns = 0;
    int mRows = 0;
    // Per cell of rows 0..mRows and columns 0..mColumns, row-major: the index of its text in
    // mTexts (0 = empty) and of its style in mStyles (0 = default style).
    PackedIds mCellTexts;
    PackedIds mCellStyles;
    TextTable mTexts;
    // A deque keeps references returned by StyleAt() valid while the table grows.
    std::deque<CellStyle> mStyles;  // interned styles, [0] = default
    std::unordered_map<CellStyle, std::uint32_t, StyleHash> mStyleIndex;
    std::vector<double> mColumnWidths;  // index 0..mColumns
    std::vector<double> mRowHeights;    // index 0..mRows
    int mVisibleColumns = 0;
    int mVisibleRows = 0;
    bool mColumnHeaders = true;
    bool mRowHeaders = true;
    ScrollBars mScrollBars = ScrollBars::Both;
    bool mOverflow = false;
    bool mBlockMode = false;
    int mColumn = 1, mRow = 1, mColumn2 = 1, mRow2 = 1;
    int mActiveColumn = 1, mActiveRow = 1;
};

}  // namespace pirumo
