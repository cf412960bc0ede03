#pragma once

#include <QMdiSubWindow>

#include "analyses/analysiswindowdescription.h"
#include "grid/resultgrid.h"

class QLabel;
class QPushButton;

namespace pirumo {

class GridView;
class MainFrm;

// The frame every analysis window shares: Label1 above the grid fpSpread1, Command1 "閉じる",
// Command2 "印刷" where the window has one, and the window's legend controls. All work happens
// in Load(); afterwards the window only displays.
class AnalysisWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    AnalysisWindow(const AnalysisWindowDescription& description, const DrawHistory& history,
                   MainFrm& main);

    // The load step: hourglass, propEnd, placement at 0,0 with the window's size, RunAnalysis.
    void Load();

    // Computes the grid again from the history, which has been read anew.
    void Recompute();

    const ResultGrid& Grid() const { return mGrid; }

protected:
    // The unload step.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateLegend(QWidget& client);
    void PlaceControls();
    void PlaceLabel1(QWidget& client);
    void RunAnalysis();
    void Command1_Click();

    const AnalysisWindowDescription mDescription;
    const DrawHistory& mHistory;
    MainFrm& mMain;
    ResultGrid mGrid;
    QLabel* mLabel1 = nullptr;
    GridView* mSpread = nullptr;
    QPushButton* mCommand1 = nullptr;
    QPushButton* mCommand2 = nullptr;
};

}  // namespace pirumo
