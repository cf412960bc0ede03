#pragma once

#include <QMdiSubWindow>
#include <array>
#include <filesystem>

#include "prediction/garuponpredictor.h"
#include "prediction/predictionoptions.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace pirumo {

class GridView;
class MainFrm;

// The prediction window 一発ガルポン: the cycle, elimination, rapid-fire and one-shot grids and
// the twelve reflect / don't-reflect option pairs. One object lives from start-up to exit;
// closing only hides it, so its options and tables are kept between openings.
class IppatsuGaruponWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    IppatsuGaruponWindow(MainFrm& main, std::filesystem::path settingsFile);

    // Reads the settings file into the options; a missing file leaves every option off. A file
    // that cannot be read is reported and leaves every option off.
    void ReadInitFile();
    // Writes the options to the settings file; a failure is reported. False on failure.
    bool WriteInitFile();

    // Form_Load: propEnd off, placement, option buttons, the four grids computed anew.
    void Load();

    // Computes the four grids again from the history, which has been read anew.
    void Recompute();

    const GaruponPredictor& Predictor() const { return mPredictor; }

protected:
    // Form_Unload: propEnd back on; the window is hidden, not destroyed.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreatePredictionFrame();
    QWidget* CreateOptionFrame();
    void SetOptionButtons();
    void ShowPredictionGrids();
    void Opt反映する_Click(int index);
    void Opt反映しない_Click(int index);
    void ChangeOption(int index, bool reflect);
    void Cmd閉じる_Click();

    MainFrm& mMain;
    std::filesystem::path mSettingsFile;
    GaruponPredictor mPredictor;
    std::array<GridView*, kPredictionGridCount> mSpreads{};
    std::array<QRadioButton*, PredictionOptions::kCount> mReflect{};
    std::array<QRadioButton*, PredictionOptions::kCount> mDontReflect{};
    QPushButton* mClose = nullptr;
    QPushButton* mPrint = nullptr;
    bool mGridsShown = false;
};

}  // namespace pirumo
