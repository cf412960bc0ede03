#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "print/printdocument.h"

namespace pirumo {

// A part of a grid placed on a page: the listed columns side by side and the listed rows one
// below the other, drawn from `origin` at `scale`.
struct GridSlice {
    const ResultGrid* grid = nullptr;
    std::vector<int> columns;
    std::vector<int> rows;
    QPointF origin;  // page units from the top left of the page's paint rectangle
    double scale = 1.0;
};

struct PlacedLine {
    QRectF rect;  // page units; the text wraps within it
    PrintLine line;
};

struct PlacedPicture {
    QRectF rect;  // page units
    PrintPicture picture;
};

struct PrintPage {
    std::vector<PlacedLine> lines;
    std::vector<GridSlice> slices;
    std::vector<PlacedPicture> pictures = {};
};

// The smallest scale a grid is shrunk to (9 pt text to 6 pt) before it is split by columns.
inline constexpr double kMinimumGridScale = 6.0 / 9.0;

// The blocks laid down the pages within `body` (page units). A grid wider than the body is scaled
// to its width, down to kMinimumGridScale, and split by columns beyond that, each band after the
// first repeating column 1 (the draw number); a grid longer than the room left is split by rows,
// its title rows opening every part. A block's lines stay with the start of its grid.
std::vector<PrintPage> LayOutPages(const PrintDocument& document, const QRectF& body);

QFont LineFont(const PrintLine& line);
// Height in page units of `line` wrapped within `width` page units.
double LineHeight(const PrintLine& line, double width);

// A4 (or `size`) with 10 mm margins, landscape when a grid of the document is wider than the
// portrait page.
QPageLayout DefaultPageLayout(const PrintDocument& document,
                              const QPageSize& size = QPageSize(QPageSize::A4));

}  // namespace pirumo
