#pragma once

#include <QMdiSubWindow>
#include <array>
#include <filesystem>
#include <functional>

#include "prediction/garuponpredictor.h"
#include "prediction/predictionoptions.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace pirumo {

class GridView;
class WindowHost;

// The prediction window 一発ガルポン: the cycle, elimination, rapid-fire and one-shot grids and
// the twelve reflect / don't-reflect option pairs. One object lives from start-up to exit;
// closing only hides it, so its options and tables are kept between openings.
class IppatsuGaruponWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    IppatsuGaruponWindow(WindowHost& host, std::filesystem::path settingsFile);
    ~IppatsuGaruponWindow() override;

    // Reads the settings file into the options; a missing file leaves every option off. A file
    // that cannot be read is reported and leaves every option off.
    void ReadInitFile();
    // Writes the options to the settings file; a failure is reported. False on failure.
    bool WriteInitFile();

    // Called with the predictor whenever the window shows newly computed numbers: on opening and
    // after an option click. Unset, nothing is recorded.
    using ShownPredictionRecorder = std::function<void(const GaruponPredictor&)>;
    void SetShownPredictionRecorder(ShownPredictionRecorder recorder);

    // Blocks manual entry, sets the option buttons and computes the four grids anew from the
    // host's history.
    void Load();

    // Computes the four grids again from the history, which has been read anew.
    void Recompute();

    const GaruponPredictor& Predictor() const { return mPredictor; }

protected:
    // Allows manual entry again; the window is hidden, not destroyed.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreatePredictionFrame();
    QWidget* CreateOptionFrame();
    void SetOptionButtons();
    void ShowPredictionGrids();
    void ChangeOption(int index, bool reflect);
    void RecordShownPrediction() const;

    WindowHost& mHost;
    std::filesystem::path mSettingsFile;
    GaruponPredictor mPredictor;
    ShownPredictionRecorder mRecordShownPrediction;
    std::array<GridView*, kPredictionGridCount> mGridViews{};
    std::array<QRadioButton*, PredictionOptions::kCount> mReflect{};
    std::array<QRadioButton*, PredictionOptions::kCount> mDontReflect{};
    QWidget* mClient = nullptr;     // inside a scroll area
    QLabel* mTargetDraw = nullptr;  // the draw predicted for, or why nothing is predicted
    QLabel* mBuying = nullptr;      // what buying the prediction costs, method by method
    QPushButton* mClose = nullptr;
    QPushButton* mPrint = nullptr;
    bool mGridsShown = false;
};

}  // namespace pirumo
