#pragma once

#include <QDate>
#include <QString>
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

// Lines followed by an optional grid. The grid's first `titleRows` rows are its header band:
// they open every page and every column band the grid is split into.
struct PrintBlock {
    std::vector<PrintLine> lines;
    const ResultGrid* grid = nullptr;  // not owned; must outlive the document's use
    int titleRows = 0;
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
