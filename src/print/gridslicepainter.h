#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include "print/gridgeometry.h"
#include "print/pagelayout.h"

class QPainter;

namespace pirumo {

// Paints slices of one grid as the window draws it: backgrounds, then texts (a text running on
// over empty neighbours paints its slice in each of them; a text wider than its own cell is
// condensed), then the borders in their colours, each pass over the whole slice so that no
// background covers a neighbour's text or border.
class GridSlicePainter {
public:
    explicit GridSlicePainter(const ResultGrid& grid);

    // `painter` works in page units; the slice is drawn at its origin and scale.
    void Paint(QPainter& painter, const GridSlice& slice);

private:
    struct Cell {
        int column;
        int row;
        QRectF rect;  // page units, in the slice's unscaled coordinates
    };

    void PaintText(QPainter& painter, const Cell& cell, const ResultGrid::TextSpan& span);
    void PaintBorders(QPainter& painter, const Cell& cell) const;
    double TextWidth(const QString& text);

    const ResultGrid& mGrid;
    const GridGeometry mGeometry;
    const QFont mFont;
    const QFontMetricsF mMetrics;
    QHash<QString, double> mWidths;  // the same few texts come back in every row
};

}  // namespace pirumo
