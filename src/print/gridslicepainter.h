#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QLineF>
#include <QList>
#include <QString>
#include <vector>

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

    // A text shaped once: the same few texts come back in every row.
    struct ShapedText {
        QList<QGlyphRun> glyphs;  // placed with the line's top at 0
        double ascent = 0;        // from the line's top to its baseline
        double width = 0;
    };
    // Border lines of one colour, gathered until a line of another colour comes.
    struct BorderRun {
        Rgb colour = 0;
        std::vector<QLineF> lines;
    };

    void PaintText(QPainter& painter, const Cell& cell, const ResultGrid::TextSpan& span);
    void AddBorders(QPainter& painter, const Cell& cell, BorderRun& run) const;
    static void FlushBorders(QPainter& painter, BorderRun& run);
    const ShapedText& Shaped(const QString& text);

    const ResultGrid& mGrid;
    const GridGeometry mGeometry;
    const QFont mFont;
    const QFontMetricsF mMetrics;
    QHash<QString, ShapedText> mShaped;
};

}  // namespace pirumo
