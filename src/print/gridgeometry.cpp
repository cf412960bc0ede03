#include "print/gridgeometry.h"

#include <QFontMetricsF>

#include "print/printfont.h"

namespace pirumo {

namespace {

// The window adds 3 pixels at 96 dpi to each column.
constexpr double kColumnPadding = 3.0 * 1440.0 / 96.0;

}  // namespace

GridGeometry::GridGeometry(const ResultGrid& grid)
    : mLefts(static_cast<std::size_t>(grid.ColumnCount()) + 2, 0.0),
      mHeights(static_cast<std::size_t>(grid.RowCount()) + 1, 0.0) {
    const double digit = QFontMetricsF(PrintFont(kGridFontPoints)).horizontalAdvance(u'0');
    for (int c = 1; c <= grid.ColumnCount(); ++c) {
        const auto i = static_cast<std::size_t>(c);
        mLefts[i + 1] = mLefts[i] + grid.ColumnWidth(c) * digit + kColumnPadding;
    }
    for (int r = 1; r <= grid.RowCount(); ++r) {
        mHeights[static_cast<std::size_t>(r)] = grid.RowHeight(r) * kPageUnitsPerPoint;
    }
}

}  // namespace pirumo
