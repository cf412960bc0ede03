#pragma once

#include <QDate>
#include <QString>

#include "analyses/analysis.h"
#include "analyses/analysislegend.h"
#include "history/drawhistory.h"
#include "print/printdocument.h"

namespace pirumo {

// The header band an analysis grid opens with: the rows above the first row whose column 1
// holds a number (a draw number, a number 1..31 or a count).
int TitleRowCount(const ResultGrid& grid);

// 第F回〜第L回 over the valid draws of the history; empty when it has none.
QString CoverageText(const DrawHistory& history);

// A legend as one line of a printout: its caption, then each mark with its meaning.
PrintLine LegendPrintLine(const AnalysisLegend& legend);

// An analysis window on paper: its caption in the heading, its description and its
// grid with the header band repeated.
PrintDocument AnalysisPrintDocument(const Analysis& window, const ResultGrid& grid,
                                    const DrawHistory& history, QDate printed);

}  // namespace pirumo
