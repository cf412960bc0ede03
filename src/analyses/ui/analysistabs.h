#pragma once

#include <QTabWidget>

#include "analyses/analysis.h"
#include "print/printdocument.h"

namespace pirumo {

class ChartPane;
class WindowHost;

// The pages of an analysis window that has charts: its grid first, as the window always showed
// it, then グラフ, drawn from the analysis's comparison with chance when first opened.
class AnalysisTabs : public QTabWidget {
    Q_OBJECT

public:
    AnalysisTabs(QWidget& table, QWidget* parent);

    // The charts follow the history: a new history (or range) remakes them when next seen.
    void ShowChartsOf(const Analysis& analysis, const WindowHost& host);
    ChartPane& Charts() { return *mCharts; }
    // The charts after the grid of a printout, or a line saying why they cannot be printed.
    void AddChartsTo(PrintDocument& document);

    // The height the tab bar takes above the grid's page.
    int TabBarHeight() const;
    // Gives the grid's page the size it will have, so that its controls can be placed before
    // the tabs are laid out (a window is sized before it is shown).
    void FitTablePage();

signals:
    // The grid's page changed size: its controls are placed anew.
    void TablePageResized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChartPane* mCharts = nullptr;
};

}  // namespace pirumo
