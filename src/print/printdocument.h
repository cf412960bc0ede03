#pragma once

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "grid/resultgrid.h"

namespace pirumo {

// One colour of a legend line: a ● in the colour, or a square of it with the letter the cells
// show, followed by what it means.
struct PrintLegendMark {
    Rgb colour = 0;
    bool ball = false;
    QString letter;
    QString meaning;
};

// A line of text above a grid, or on its own. A legend line shows `text` as its caption, then its
// marks, all on one line.
struct PrintLine {
    QString text;
    bool emphasised = false;  // larger and bold, for what the page is about
    std::vector<PrintLegendMark> legend = {};
};

// A drawing across the page's width, `aspect` times as high as it is wide: a chart.
struct PrintPicture {
    double aspect = 0.5;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// Lines followed by an optional grid and pictures; a picture goes on the grid's last page when it
// fits there, else on the next. The grid's first `titleRows` rows are its header band:
// they open every page and every column band the grid is split into.
struct PrintBlock {
    std::vector<PrintLine> lines;
    const ResultGrid* grid = nullptr;  // not owned; must outlive the document's use
    int titleRows = 0;
    std::vector<PrintPicture> pictures = {};
};

// Everything a printout shows. Each page carries a heading (caption, the draws covered, the
// print date) and its number at the foot; the blocks run down the pages in order.
struct PrintDocument {
    QString caption;
    QString coverage;  // e.g. 第1回〜第1353回; empty for an empty history
    QDate printed;
    std::vector<PrintBlock> blocks;
};

}  // namespace pirumo
