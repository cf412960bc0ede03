#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <filesystem>
#include <functional>
#include <optional>

#include "history/drawhistory.h"
#include "isolation/isolatedaccessreader.h"
#include "widgets/windowhost.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWindow;

namespace pirumo {

class CurrencyNote;
class HistoryFileWatcher;

class AboutBox;
class AnalysisRangeChoice;
class AnalysisWindow;
class HelpWindow;
class GaruponPredictor;
class IppatsuGaruponWindow;
struct Analysis;

struct MainWindowOptions {
    std::filesystem::path historyFile;   // Pirumo.mdb
    std::filesystem::path settingsFile;  // ピルモ.ini
    // Reads the history at start-up; nullopt ends the program. The default asks the user what
    // to do about a missing file and reports an unreadable one.
    std::function<std::optional<DrawHistory>(QWidget* parent, const std::filesystem::path&)>
        openHistory;
    std::filesystem::path cliFile = {};  // pirumo-cli for imports; empty: beside the program
    // The shipped results, offered when the history is missing; empty: not offered.
    std::filesystem::path bundledHistory = {};
    // False: the numbers shown are not added to the prediction log (a render writes nothing
    // but its picture).
    bool recordsPredictions = true;
    // False: the first activation does not open the prediction window (a render opens only the
    // window asked for).
    bool opensPredictionFirst = true;
};

// The main window: a multiple-document window whose menus open the analysis windows, the
// prediction window and the history tools, arrange the child windows, and show help and the
// About box. It holds the history snapshot from start-up to exit and hosts the child windows.
class MainWindow : public QMainWindow, public WindowHost {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Creates the hidden prediction window and reads the history. False when the program should
    // end (no history to work on).
    bool Load();

    const DrawHistory& History() const override { return mHistory; }
    const DrawHistory& AnalysisHistory() const override;
    QString AnalysisRangeCaption() const override;
    void SetBlocksEntry(const QWidget& window, bool blocks) override;
    void AddStatusNote(QLabel* note) override;
    void ShowStatusMessage(const QString& message) override;
    void ReplaceMenus(QMenu* menu) override;
    bool IsClosing() const override { return mExiting; }
    QWidget* DialogParent() override { return this; }

    // Reads the history file again after it was edited, and uses it. An unreadable file is
    // reported and the history stays as it was.
    void ReloadHistory();

    const MainWindowOptions& Options() const { return mOptions; }
    QMdiArea& MdiArea() const { return *mMdiArea; }

    // Chooses the menu item that shows the window named `name` and returns that window, or
    // nullptr when no menu item shows a window of that name.
    QWidget* ChooseWindow(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ConnectAnalysisItem(QAction& action, const char* windowName);
    bool OpenDrawHistory();
    // Takes the history the file now holds: the open analysis windows recompute, and the
    // prediction at once when it is on show, else when it is next shown.
    void UseHistory(DrawHistory history);
    void WatchHistoryFile();
    void ReloadChangedHistory();
    void CloseDrawHistory();
    IppatsuGaruponWindow& PredictionWindow();
    void CreatePredictionWindow();
    void ShowPredictionWindow();
    void SavePredictionSettings();
    void ShowAnalysisWindow(const Analysis& description);
    void RecomputeAnalysisWindows();
    void RecordShownPrediction(const GaruponPredictor& predictor);
    void ShowPredictionCheck(const QString& name, const std::function<QMdiSubWindow*()>& create);
    void RefreshHistoryByDownload();
    void SetRefreshSource();
    void ImportHistory();
    void StartManualEntry();
    void ShowEntryWindow();
    void ShowHelp();
    void ShowAbout();
    void ReportSkippedRows();
    void ShowHistoryKind();
    void WatchActivation(QWindow* focusWindow);

    MainWindowOptions mOptions;
    IsolatedAccessReader mAccessReader;  // Access files of an import or a refresh
    bool mLoaded = false;
    bool mExiting = false;
    bool mActivated = false;
    bool mFocusInOtherProgramWindow = false;
    DrawHistory mHistory;
    QMdiArea* mMdiArea = nullptr;
    QHash<QString, QAction*> mMenuItems;
    QHash<QString, QPointer<AnalysisWindow>> mAnalysisWindows;
    QPointer<IppatsuGaruponWindow> mPredictionWindow;  // from its first use to exit
    QPointer<HelpWindow> mHelpWindow;
    QPointer<AboutBox> mAboutBox;
    QSet<const QWidget*> mEntryBlockers;  // open windows that refuse manual entry
    QPointer<QMenu> mChildMenu;           // shown alone in the menu bar while its window is active
    QList<QPointer<QAction>> mMenusHiddenByChild;
    QLabel* mSampleNote = nullptr;
    CurrencyNote* mCurrencyNote = nullptr;
    HistoryFileWatcher* mHistoryWatcher = nullptr;  // from the first read of the history
    AnalysisRangeChoice* mAnalysisRange = nullptr;
};

}  // namespace pirumo
