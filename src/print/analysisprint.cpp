#include "print/analysisprint.h"

#include "analyses/analysislegend.h"

namespace pirumo {

PrintLine LegendPrintLine(const AnalysisLegend& legend) {
    PrintLine line{QString::fromStdString(legend.caption), false};
    for (const LegendMark& mark : legend.marks) {
        line.legend.push_back({mark.colour, mark.ball, QString::fromStdString(mark.letter),
                               QString::fromStdString(mark.meaning)});
    }
    return line;
}

int TitleRowCount(const ResultGrid& grid) {
    for (int row = 1; row <= grid.RowCount(); ++row) {
        const std::string& text = grid.CellText(1, row);
        if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            return row - 1;
        }
    }
    return 0;
}

QString CoverageText(const DrawHistory& history) {
    int first = 0;
    int last = 0;
    history.ForEachValidDraw([&](const Draw& draw) {
        if (first == 0) {
            first = draw.drawNumber;
        }
        last = draw.drawNumber;
    });
    return first == 0 ? QString() : QStringLiteral("第%1回〜第%2回").arg(first).arg(last);
}

PrintDocument AnalysisPrintDocument(const Analysis& window, const ResultGrid& grid,
                                    const DrawHistory& history, QDate printed) {
    PrintDocument document;
    document.caption = QString::fromUtf8(window.caption);
    document.coverage = CoverageText(history);
    document.printed = printed;
    std::vector<PrintLine> lines;
    if (!window.summary.empty()) {
        lines.push_back({QString::fromUtf8(window.summary), false});
    }
    // The colour codes go under the description, as on screen.
    if (const AnalysisLegend& legend = LegendOf(window.name); !legend.marks.empty()) {
        lines.push_back(LegendPrintLine(legend));
    }
    document.blocks.push_back({std::move(lines), &grid, TitleRowCount(grid)});
    return document;
}

}  // namespace pirumo
