#pragma once

#include <QMdiSubWindow>
#include <utility>
#include <vector>

#include "analyses/analysis.h"
#include "analyses/ui/analysiswindowlayout.h"
#include "grid/resultgrid.h"
#include "print/printdocument.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace pirumo {

class AnalysisTabs;
class ChanceView;
class GridView;
class WindowHost;

// The frame every analysis window shares: the description above the grid, 閉じる, 印刷 where the
// window has one, and the window's legend. All work happens in Load(); afterwards the window only
// displays.
class AnalysisWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    AnalysisWindow(const Analysis& analysis, WindowHost& host);
    AnalysisWindow(const Analysis& analysis, const AnalysisWindowLayout& layout, WindowHost& host);
    ~AnalysisWindow() override;

    // Blocks manual entry unless the window allows it, runs the analysis on the host's history and
    // takes its size, within the area that holds it, at the area's top left corner.
    void Load();

    // Computes the grid again from the host's history, which has been read anew or restricted to
    // another range.
    void Recompute();

    const ResultGrid& Grid() const { return mGrid; }
    // What 印刷 prints: the description, the legend and the grid, the comparison with chance
    // while it is shown, and the charts.
    PrintDocument PrintDocumentOf(QDate printed) const;

    QSize minimumSizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateLegend(QWidget& client);
    void PlaceControls();
    int PlaceSummary(QWidget& client);
    void PlaceLegendLine(int least);
    QSize OpeningSize() const;
    void RunAnalysis();
    int NewestDrawRow() const;
    bool ShowsNewestDraw() const;
    void ScrollToNewestDraw();
    void CreateOrderChoice(QWidget& client);
    const std::function<void(const DrawHistory&, ResultGrid&)>& ChosenFill() const;
    // Shows the 偶然との比較 panel in the grid's place, or the grid again.
    void ToggleChance();
    void ShowChanceReport();
    bool ShowsChance() const;
    void PlaceChanceButton(int left, int right, int top);
    int ShortChanceButtonWidth() const;

    const Analysis mAnalysis;
    const AnalysisWindowLayout mLayout;
    WindowHost& mHost;
    ResultGrid mGrid;
    QWidget* mClient = nullptr;
    AnalysisTabs* mTabs = nullptr;  // only in a window that has charts
    QLabel* mSummary = nullptr;
    GridView* mGridView = nullptr;
    QPushButton* mCloseButton = nullptr;
    QPushButton* mPrintButton = nullptr;
    QWidget* mOrderRow = nullptr;  // 並べ替え and its choice, for an analysis with orders
    QComboBox* mOrderChoice = nullptr;
    QPushButton* mChanceButton = nullptr;  // only for an analysis with a chance comparison
    ChanceView* mChanceView = nullptr;     // from the first click on the chance button
    bool mShownOnce = false;
    // The legend controls on a line of their own under the description, with their laid-out tops.
    std::vector<std::pair<QLabel*, int>> mLegendLine;
};

}  // namespace pirumo
