#include "grid/resultgrid.h"

#include <algorithm>
#include <string>

#include "grid/displaywidth.h"

namespace pirumo {

namespace {

constexpr std::uint32_t kNoStyle = 0xffffffff;

// First and last index of `value` (or the whole 1..count for -1) clipped to 0..count.
void RangeOf(int value, int value2, int count, int& first, int& last) {
    if (value == ResultGrid::kAll || value2 == ResultGrid::kAll) {
        first = 1;
        last = count;
        return;
    }
    first = std::max(std::min(value, value2), 0);
    last = std::min(std::max(value, value2), count);
}

void HashIn(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

std::size_t ResultGrid::StyleHash::operator()(const CellStyle& style) const {
    std::size_t seed = 0;
    HashIn(seed, style.fore);
    HashIn(seed, style.back);
    HashIn(seed, static_cast<std::size_t>(style.align));
    HashIn(seed, static_cast<std::size_t>(style.type));
    HashIn(seed, style.borders);
    for (Rgb colour : style.borderColours) {
        HashIn(seed, colour);
    }
    return seed;
}

ResultGrid::ResultGrid() {
    mStyles.emplace_back();
    mStyleIndex.emplace(mStyles.front(), 0);
    ResizeCells(0, 0);
}

void ResultGrid::SetColumnCount(int columns) {
    ResizeCells(std::max(columns, 0), mRows);
}

void ResultGrid::SetRowCount(int rows) {
    ResizeCells(mColumns, std::max(rows, 0));
}

void ResultGrid::ResizeCells(int columns, int rows) {
    const int oldStride = mColumns + 1;
    const int newStride = columns + 1;
    const auto count = static_cast<std::size_t>(newStride) * static_cast<std::size_t>(rows + 1);
    PackedIds texts(count);
    PackedIds styles(count);
    const int keptRows = std::min(rows, mRows);
    const auto keptColumns = static_cast<std::size_t>(std::min(columns, mColumns) + 1);
    for (int r = 0; r <= keptRows && mCellTexts.Size() > 0; ++r) {
        const auto from = static_cast<std::size_t>(r) * static_cast<std::size_t>(oldStride);
        const auto to = static_cast<std::size_t>(r) * static_cast<std::size_t>(newStride);
        texts.CopyFrom(mCellTexts, from, to, keptColumns);
        styles.CopyFrom(mCellStyles, from, to, keptColumns);
    }
    mCellTexts = std::move(texts);
    mCellStyles = std::move(styles);
    mColumns = columns;
    mRows = rows;
    mColumnWidths.resize(static_cast<std::size_t>(columns + 1), kDefaultColumnWidth);
    mRowHeights.resize(static_cast<std::size_t>(rows + 1), kDefaultRowHeight);
}

void ResultGrid::SetVisibleSize(int columns, int rows) {
    mVisibleColumns = columns;
    mVisibleRows = rows;
}

void ResultGrid::SetHeadersVisible(bool columnHeaders, bool rowHeaders) {
    mColumnHeaders = columnHeaders;
    mRowHeaders = rowHeaders;
}

void ResultGrid::SetColumnWidth(int column, double characters) {
    int first = 0;
    int last = 0;
    RangeOf(column, column, mColumns, first, last);
    for (int c = first; c <= last; ++c) {
        mColumnWidths[static_cast<std::size_t>(c)] = characters;
    }
}

void ResultGrid::SetRowHeight(int row, double points) {
    int first = 0;
    int last = 0;
    RangeOf(row, row, mRows, first, last);
    for (int r = first; r <= last; ++r) {
        mRowHeights[static_cast<std::size_t>(r)] = points;
    }
}

double ResultGrid::ColumnWidth(int column) const {
    return column >= 0 && column <= mColumns ? mColumnWidths[static_cast<std::size_t>(column)]
                                             : kDefaultColumnWidth;
}

double ResultGrid::RowHeight(int row) const {
    return row >= 0 && row <= mRows ? mRowHeights[static_cast<std::size_t>(row)]
                                    : kDefaultRowHeight;
}

void ResultGrid::SelectCell(int column, int row) {
    mColumn = mColumn2 = column;
    mRow = mRow2 = row;
}

void ResultGrid::SelectBlock(int column, int row, int column2, int row2) {
    mColumn = column;
    mRow = row;
    mColumn2 = column2;
    mRow2 = row2;
}

ResultGrid& ResultGrid::Block(int column, int row, int column2, int row2) {
    SelectBlock(column, row, column2, row2);
    mBlockMode = true;
    return *this;
}

ResultGrid& ResultGrid::Cell(int column, int row) {
    SelectCell(column, row);
    mBlockMode = false;
    return *this;
}

ResultGrid::Area ResultGrid::AreaOf(int column, int row, int column2, int row2) const {
    Area area;
    RangeOf(column, column2, mColumns, area.firstColumn, area.lastColumn);
    RangeOf(row, row2, mRows, area.firstRow, area.lastRow);
    return area;
}

ResultGrid::Area ResultGrid::TargetArea() const {
    return mBlockMode ? AreaOf(mColumn, mRow, mColumn2, mRow2)
                      : AreaOf(mColumn, mRow, mColumn, mRow);
}

bool ResultGrid::Contains(int column, int row) const {
    return column >= 0 && column <= mColumns && row >= 0 && row <= mRows;
}

std::size_t ResultGrid::IndexOf(int column, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(mColumns + 1) +
           static_cast<std::size_t>(column);
}

std::uint32_t ResultGrid::InternStyle(const CellStyle& style) {
    if (const auto found = mStyleIndex.find(style); found != mStyleIndex.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(mStyles.size());
    mStyles.push_back(style);
    mStyleIndex.emplace(style, id);
    return id;
}

// Applies `change` to the style of every cell of `area`. A change depends only on the old style,
// so each distinct old style is changed and interned once.
template <typename Change>
void ResultGrid::ChangeStyles(const Area& area, Change&& change) {
    std::vector<std::uint32_t> changed(mStyles.size(), kNoStyle);
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            const std::size_t cell = IndexOf(c, r);
            const std::uint32_t old = mCellStyles.Get(cell);
            std::uint32_t& mapped = changed[old];
            if (mapped == kNoStyle) {
                CellStyle style = mStyles[old];
                change(style);
                mapped = InternStyle(style);
            }
            mCellStyles.Set(cell, mapped);
        }
    }
}

void ResultGrid::FillTexts(const Area& area, std::uint32_t text) {
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            mCellTexts.Set(IndexOf(c, r), text);
        }
    }
}

void ResultGrid::SetCellType(CellType type) {
    ChangeStyles(TargetArea(), [type](CellStyle& s) { s.type = type; });
}

void ResultGrid::SetAlignment(HAlign align) {
    ChangeStyles(TargetArea(), [align](CellStyle& s) { s.align = align; });
}

void ResultGrid::SetBackColor(Rgb colour) {
    ChangeStyles(TargetArea(), [colour](CellStyle& s) { s.back = colour; });
}

void ResultGrid::SetForeColor(Rgb colour) {
    ChangeStyles(TargetArea(), [colour](CellStyle& s) { s.fore = colour; });
}

void ResultGrid::SetText(std::string_view text) {
    FillTexts(TargetArea(), mTexts.Intern(text));
}

void ResultGrid::ClearBlockTexts() {
    FillTexts(TargetArea(), 0);
}

void ResultGrid::SetCellBorder(int sides, Rgb colour) {
    const Area area = TargetArea();
    // Sides not drawn keep colour 0 so that equal-looking cells share one style.
    auto addSides = [colour](int bits) {
        return [bits, colour](CellStyle& s) {
            s.borders = static_cast<std::uint8_t>(s.borders | bits);
            for (std::size_t side = 0; side < 4; ++side) {
                if (bits & (1 << side)) {
                    s.borderColours[side] = colour;
                }
            }
        };
    };
    if ((sides & (border::kAll | border::kOutline)) == 0) {
        ChangeStyles(area, [](CellStyle& s) {
            s.borders = 0;
            s.borderColours = {0, 0, 0, 0};
        });
        return;
    }
    if (sides & border::kAll) {
        ChangeStyles(area, addSides(sides & border::kAll));
    }
    if (sides & border::kOutline) {
        Area edge = area;
        edge.lastColumn = area.firstColumn;
        ChangeStyles(edge, addSides(border::kLeft));
        edge = area;
        edge.firstColumn = area.lastColumn;
        ChangeStyles(edge, addSides(border::kRight));
        edge = area;
        edge.lastRow = area.firstRow;
        ChangeStyles(edge, addSides(border::kTop));
        edge = area;
        edge.firstRow = area.lastRow;
        ChangeStyles(edge, addSides(border::kBottom));
    }
}

void ResultGrid::SetCellText(int column, int row, std::string_view text) {
    if (Contains(column, row)) {
        mCellTexts.Set(IndexOf(column, row), mTexts.Intern(text));
    }
}

void ResultGrid::SetCellText(int column, int row, long long number) {
    SetCellText(column, row, std::to_string(number));
}

const std::string& ResultGrid::CellText(int column, int row) const {
    return mTexts.At(Contains(column, row) ? mCellTexts.Get(IndexOf(column, row)) : 0);
}

const CellStyle& ResultGrid::StyleAt(int column, int row) const {
    return mStyles[Contains(column, row) ? mCellStyles.Get(IndexOf(column, row)) : 0];
}

void ResultGrid::ActivateCell(int column, int row) {
    mActiveColumn = column;
    mActiveRow = row;
}

// The new row looks like the row it pushes down (or the last row when appending), so an entry
// row inserted among entry rows stays editable and framed like them.
void ResultGrid::InsertRow(int row) {
    if (row < 1 || row > mRows + 1) {
        return;
    }
    const int model = row <= mRows ? row : mRows;
    const auto stride = static_cast<std::size_t>(mColumns + 1);
    std::vector<std::uint32_t> styles(stride, 0);
    if (model >= 1) {
        for (std::size_t c = 0; c < stride; ++c) {
            styles[c] = mCellStyles.Get(IndexOf(static_cast<int>(c), model));
        }
    }
    const std::size_t first = IndexOf(0, row);
    mCellTexts.Insert(first, stride);
    mCellStyles.Insert(first, stride);
    for (std::size_t c = 0; c < stride; ++c) {
        mCellStyles.Set(first + c, styles[c]);
    }
    mRowHeights.insert(mRowHeights.begin() + row, model >= 1
                                                      ? mRowHeights[static_cast<std::size_t>(model)]
                                                      : kDefaultRowHeight);
    ++mRows;
}

void ResultGrid::DeleteRow(int row) {
    if (row < 1 || row > mRows) {
        return;
    }
    const auto stride = static_cast<std::size_t>(mColumns + 1);
    mCellTexts.Erase(IndexOf(0, row), stride);
    mCellStyles.Erase(IndexOf(0, row), stride);
    mRowHeights.erase(mRowHeights.begin() + row);
    --mRows;
}

std::vector<ResultGrid::TextSpan> ResultGrid::RowTextSpans(int row) const {
    std::vector<TextSpan> spans(static_cast<std::size_t>(mColumns + 1));
    if (row < 0 || row > mRows) {
        return spans;
    }
    for (int c = 0; c <= mColumns; ++c) {
        if (mCellTexts.Get(IndexOf(c, row)) != 0) {
            spans[static_cast<std::size_t>(c)] = {c, c, c};
        }
    }
    if (mOverflow) {
        for (int c = 1; c <= mColumns; ++c) {
            if (mCellTexts.Get(IndexOf(c, row)) != 0) {
                SpreadText(spans, c, row);
            }
        }
    }
    return spans;
}

// Extends the span of the text in `column` over free empty neighbours while it is too wide.
void ResultGrid::SpreadText(std::vector<TextSpan>& spans, int column, int row) const {
    const double width = DisplayWidth(mTexts.At(mCellTexts.Get(IndexOf(column, row))));
    double covered = ColumnWidth(column);
    // Empty cells not yet taken by a text to their left have no source.
    auto isFree = [&](int c) {
        return c >= 1 && c <= mColumns && !spans[static_cast<std::size_t>(c)].HasText();
    };
    int first = column;
    int last = column;
    const bool centred = mStyles[mCellStyles.Get(IndexOf(column, row))].align == HAlign::Center;
    bool rightTurn = true;
    while (covered < width) {
        const bool right = isFree(last + 1);
        const bool left = centred && isFree(first - 1);
        if (right && (rightTurn || !left)) {
            covered += ColumnWidth(++last);
        } else if (left) {
            covered += ColumnWidth(--first);
        } else {
            break;
        }
        rightTurn = !rightTurn;
    }
    for (int c = first; c <= last; ++c) {
        spans[static_cast<std::size_t>(c)] = {column, first, last};
    }
}

ResultGrid::TextSpan ResultGrid::TextSpanAt(int column, int row) const {
    if (!Contains(column, row)) {
        return {};
    }
    return RowTextSpans(row)[static_cast<std::size_t>(column)];
}

int ResultGrid::OverflowSource(int column, int row) const {
    const TextSpan span = TextSpanAt(column, row);
    return span.HasText() && span.source != column ? span.source : 0;
}

std::size_t ResultGrid::MemoryBytes() const {
    // A hash node holds the pair, a next pointer and the cached hash, roughly.
    constexpr std::size_t kStyleNodeBytes =
        sizeof(std::pair<CellStyle, std::uint32_t>) + 2 * sizeof(void*);
    std::size_t bytes = sizeof(*this) + mTexts.MemoryBytes();
    bytes += mCellTexts.MemoryBytes() + mCellStyles.MemoryBytes();
    bytes += (mColumnWidths.capacity() + mRowHeights.capacity()) * sizeof(double);
    bytes += mStyles.size() * sizeof(CellStyle);
    bytes += mStyleIndex.bucket_count() * sizeof(void*) + mStyleIndex.size() * kStyleNodeBytes;
    return bytes;
}

}  // namespace pirumo
