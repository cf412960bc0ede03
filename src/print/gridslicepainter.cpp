#include "print/gridslicepainter.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "print/printfont.h"

namespace pirumo {

namespace {

// As in the window, converted from pixels at 96 dpi to page units.
constexpr double kTextPadding = 2.0 * kPageUnitsPerInch / 96.0;
constexpr double kBorderWidth = 1.0 * kPageUnitsPerInch / 96.0;
constexpr double kMinimumCondense = 0.6;
constexpr Rgb kWhite = 0xffffff;

QColor ToColor(Rgb colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace

GridSlicePainter::GridSlicePainter(const ResultGrid& grid)
    : mGrid(grid), mGeometry(grid), mFont(PrintFont(kGridFontPoints)), mMetrics(mFont) {}

void GridSlicePainter::Paint(QPainter& painter, const GridSlice& slice) {
    std::vector<Cell> cells;
    cells.reserve(slice.columns.size() * slice.rows.size());
    double y = 0.0;
    for (int row : slice.rows) {
        double x = 0.0;
        const double height = mGeometry.RowHeight(row);
        for (int column : slice.columns) {
            const double width = mGeometry.ColumnWidth(column);
            cells.push_back({column, row, QRectF(x, y, width, height)});
            x += width;
        }
        y += height;
    }

    painter.save();
    painter.translate(slice.origin);
    painter.scale(slice.scale, slice.scale);
    painter.setFont(mFont);
    for (const Cell& cell : cells) {
        const Rgb back = mGrid.StyleAt(cell.column, cell.row).back;
        if (back != kWhite) {  // the paper is white already
            painter.fillRect(cell.rect, ToColor(back));
        }
    }
    std::vector<ResultGrid::TextSpan> spans;
    int spansRow = -1;
    for (const Cell& cell : cells) {
        if (cell.row != spansRow) {
            spans = mGrid.RowTextSpans(cell.row);
            spansRow = cell.row;
        }
        PaintText(painter, cell, spans[static_cast<std::size_t>(cell.column)]);
    }
    // Tens of thousands of border lines are stroked as a few paths rather than filled as one
    // rectangle each, which a PDF would carry with its own state.
    BorderRun run;
    for (const Cell& cell : cells) {
        AddBorders(painter, cell, run);
    }
    FlushBorders(painter, run);
    painter.restore();
}

const GridSlicePainter::ShapedText& GridSlicePainter::Shaped(const QString& text) {
    auto found = mShaped.constFind(text);
    if (found == mShaped.cend()) {
        QTextLayout layout(text, mFont);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();  // lays the line out
        found = mShaped.insert(
            text, {layout.glyphRuns(), line.ascent(), mMetrics.horizontalAdvance(text)});
    }
    return *found;
}

void GridSlicePainter::PaintText(QPainter& painter, const Cell& cell,
                                 const ResultGrid::TextSpan& span) {
    if (!span.HasText()) {
        return;
    }
    const std::string& utf8 = mGrid.CellText(span.source, cell.row);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const CellStyle& style = mGrid.StyleAt(span.source, cell.row);
    // The text is placed against its own cell, wherever that lies on this page, and each cell
    // it runs into paints its own part.
    const double sourceLeft =
        cell.rect.left() + mGeometry.ColumnLeft(span.source) - mGeometry.ColumnLeft(cell.column);
    const double sourceWidth = mGeometry.ColumnWidth(span.source);
    const ShapedText& shaped = Shaped(text);
    double width = shaped.width;
    // A text that has only its own cell and is wider than it is drawn condensed, as in the
    // window.
    double condense = 1.0;
    if (span.first == span.last && width > sourceWidth - kTextPadding) {
        condense = std::max(kMinimumCondense, (sourceWidth - kTextPadding) / width);
        width *= condense;
    }
    const double x = style.align == HAlign::Left ? sourceLeft + kTextPadding
                                                 : sourceLeft + (sourceWidth - width) / 2.0;
    // The ink is centred, not the line box: CJK fonts have tall line boxes.
    const double baseline = cell.rect.top() + (cell.rect.height() + mMetrics.capHeight()) / 2.0;
    const bool fits = x >= cell.rect.left() && x + width <= cell.rect.right();
    const QColor fore = ToColor(style.fore);
    if (painter.pen().color() != fore) {
        painter.setPen(fore);
    }
    // Most texts fit their cell: drawn directly, without a saved state, which a PDF would
    // carry for every cell.
    if (fits && condense == 1.0) {
        for (const QGlyphRun& glyphs : shaped.glyphs) {
            painter.drawGlyphRun(QPointF(x, baseline - shaped.ascent), glyphs);
        }
        return;
    }
    painter.save();
    if (!fits) {
        painter.setClipRect(cell.rect, Qt::IntersectClip);
    }
    painter.translate(x, baseline);
    painter.scale(condense, 1.0);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

// One path of many lines, stroked once. Viewers snap a stroked line to whole device pixels as
// they do a filled rectangle on its own, so the lines stay as crisp as when each was filled.
void GridSlicePainter::FlushBorders(QPainter& painter, BorderRun& run) {
    if (!run.lines.empty()) {
        painter.setPen(
            QPen(ToColor(run.colour), kBorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawLines(run.lines.data(), static_cast<int>(run.lines.size()));
    }
    run.lines.clear();
}

// Lines are centred on the cells' edges, so neighbours that both draw a shared edge draw one
// line; where their colours differ the later cell's wins, as in the window: a run of lines is
// painted before a line of another colour is added.
void GridSlicePainter::AddBorders(QPainter& painter, const Cell& cell, BorderRun& run) const {
    const CellStyle& style = mGrid.StyleAt(cell.column, cell.row);
    if (style.borders == 0) {
        return;
    }
    const QRectF& r = cell.rect;
    // Square caps carry each line half its width past the corners, closing them.
    const auto vertical = [&r](double x) { return QLineF(x, r.top(), x, r.bottom()); };
    const auto horizontal = [&r](double y) { return QLineF(r.left(), y, r.right(), y); };
    // borderColours runs left, right, top, bottom.
    const auto add = [&](int side, std::size_t colour, const QLineF& line) {
        if (!(style.borders & side)) {
            return;
        }
        if (style.borderColours[colour] != run.colour || run.lines.empty()) {
            FlushBorders(painter, run);
            run.colour = style.borderColours[colour];
        }
        run.lines.push_back(line);
    };
    add(border::kLeft, 0, vertical(r.left()));
    add(border::kTop, 2, horizontal(r.top()));
    add(border::kRight, 1, vertical(r.right()));
    add(border::kBottom, 3, horizontal(r.bottom()));
}

}  // namespace pirumo
