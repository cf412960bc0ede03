#pragma once

#include <QMdiSubWindow>
#include <filesystem>
#include <memory>

#include "grid/resultgrid.h"
#include "prediction/backtest/backtest.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QPushButton;
class QTabWidget;
class QTimer;
class QVBoxLayout;

namespace pirumo {

class BacktestJob;
class ChartPane;
class GridView;
class WindowHost;

// 予想の検証: how each method of the prediction window would have done on the history, beside
// what chance gives, and the logged predictions against the draws that followed. Each check runs
// on a copy of the host's history, so the window does not block manual entry: a change to the
// history while a check runs changes nothing under it.
class BacktestWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    // Each check reads `options` as they are then: the prediction window's, which change with
    // its option buttons and live until the program ends. A temporary would be gone by then.
    BacktestWindow(WindowHost& host, const PredictionOptions& options,
                   std::filesystem::path predictionLog);
    BacktestWindow(WindowHost& host, PredictionOptions&& options,
                   std::filesystem::path predictionLog) = delete;
    ~BacktestWindow() override;

    // Shows the logged predictions and starts the check over the default range.
    void Load();
    // Checks the valid draws numbered from..to. A check that ends within a blink is shown at
    // once; a longer one shows a progress bar with a cancel button.
    void Run(int from, int to);

    // The host's history was read again: the range reaches its last draw.
    void HistoryReloaded();

    bool HasResult() const { return mShown; }
    const BacktestResult& Result() const;

private:
    QWidget* CreateSummaryArea();
    QWidget* CreateDetailArea();
    static QVBoxLayout* CreateMatchLegend(QWidget& parent);
    void ShowProgress();
    void ShowResult();
    void ShowMethod(int method);
    void ShowPredictionLog();

    WindowHost& mHost;
    const PredictionOptions& mOptions;
    std::filesystem::path mPredictionLog;
    BacktestJob* mJob = nullptr;
    bool mShown = false;
    ResultGrid mSummaryGrid;
    ResultGrid mMoneyGrid;
    ResultGrid mDrawGrid;
    ResultGrid mLogGrid;
    QLabel* mHeading = nullptr;
    QSpinBox* mFrom = nullptr;
    QSpinBox* mTo = nullptr;
    QPushButton* mRun = nullptr;
    QProgressBar* mProgress = nullptr;
    QPushButton* mCancel = nullptr;
    QTimer* mProgressTimer = nullptr;
    GridView* mSummary = nullptr;
    QLabel* mMoneyNote = nullptr;
    GridView* mMoney = nullptr;
    QComboBox* mMethod = nullptr;
    ChartPane* mChart = nullptr;
    QTabWidget* mTabs = nullptr;
    GridView* mDraws = nullptr;
    GridView* mLog = nullptr;
    QLabel* mLogNote = nullptr;
};

}  // namespace pirumo
