#include "app/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "app/aboutbox.h"
#include "app/analysisrangechoice.h"
#include "app/closeactivewindowkey.h"
#include "app/currencynote.h"
#include "app/entryguard.h"
#include "app/helpwindow.h"
#include "app/historyfilewatcher.h"
#include "app/mainmenu.h"
#include "app/startuphistory.h"
#include "app/windowarranger.h"
#include "app/windowlistmenu.h"
#include "history/drawcalendar.h"
#include "history/store/historyfile.h"
#include "history/store/historyoutputguard.h"
#include "history/ui/downloadrefresh.h"
#include "history/ui/entrywindow.h"
#include "history/ui/historyimport.h"
#include "history/ui/refreshsourcedialog.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/tickets/ticketcheck.h"
#include "prediction/ui/backtestwindow.h"
#include "prediction/ui/ippatsugaruponwindow.h"
#include "prediction/ui/numbercheckwindow.h"
#include "prediction/ui/ticketresultspanel.h"
#include "prediction/ui/ticketswindow.h"
#include "widgets/areafit.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

constexpr int kStatusMessageMilliseconds = 5000;

// Windows whose closing hands the focus back to the main window as a return "from another window
// of the program": ordinary top-level windows, not message boxes, menus or tooltips.
bool IsProgramWindow(const QWindow& window) {
    const Qt::WindowType type = window.type();
    return (type == Qt::Window || type == Qt::Dialog) && window.modality() == Qt::NonModal;
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      mOptions(std::move(options)),
      mAccessReader(mOptions.cliFile.empty() ? DefaultCliPath() : mOptions.cliFile) {
    if (!mOptions.openHistory) {
        mOptions.openHistory = [this](QWidget* parent, const std::filesystem::path& file) {
            return OpenStartupHistory(parent, file, {mOptions.bundledHistory, mAccessReader});
        };
    }
    ProtectHistoryFromOutput(mOptions.historyFile);
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("ピルモ"));
    mMdiArea = new QMdiArea(this);
    mMdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Child windows keep the size they are given and may reach past the area: scroll to them.
    mMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mMdiArea);
    mSampleNote =
        new QLabel(QStringLiteral("サンプルデータ（実際の当選結果ではありません）"), this);
    mSampleNote->setObjectName(QStringLiteral("sampleNote"));
    mSampleNote->hide();
    statusBar()->addPermanentWidget(mSampleNote);
    mCurrencyNote = new CurrencyNote(this);
    statusBar()->addPermanentWidget(mCurrencyNote);
    connect(mCurrencyNote, &CurrencyNote::refreshRequested, this,
            &MainWindow::RefreshHistoryByDownload);
    BuildMenus();
    AddCloseActiveWindowKey(*this, *mMdiArea);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(screen->availableGeometry().size() * 9 / 10);
    }
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::WatchActivation);
}

// The child windows call back into their host while they go: they go first.
MainWindow::~MainWindow() {
    delete mMdiArea;
}

bool MainWindow::Load() {
    HourglassCursor hourglass;
    ProcessPendingEvents();
    hourglass.Restore();  // reading the history may have to ask the user first
    mLoaded = OpenDrawHistory();
    return mLoaded;
}

bool MainWindow::OpenDrawHistory() {
    std::optional<DrawHistory> history = mOptions.openHistory(this, mOptions.historyFile);
    if (!history) {
        return false;
    }
    mHistory = std::move(*history);
    mAnalysisRange->UseHistory(mHistory);
    ReportSkippedRows();
    ShowHistoryKind();
    WatchHistoryFile();
    return true;
}

void MainWindow::WatchHistoryFile() {
    mHistoryWatcher = new HistoryFileWatcher(mOptions.historyFile, this);
    connect(mHistoryWatcher, &HistoryFileWatcher::changedElsewhere, this,
            &MainWindow::ReloadChangedHistory);
}

// Another program changed the file. An open entry window writes the file itself and has it
// read again when it closes; after that the file is looked at once more.
void MainWindow::ReloadChangedHistory() {
    if (mExiting) {
        return;
    }
    for (QMdiSubWindow* open : mMdiArea->subWindowList()) {
        if (qobject_cast<EntryWindow*>(open) != nullptr) {
            return;
        }
    }
    mHistoryWatcher->Acknowledge();  // a file that cannot be read is reported once
    ReloadHistory();
}

void MainWindow::ReloadHistory() {
    std::optional<DrawHistory> history;
    try {
        HourglassCursor hourglass;
        history = pirumo::OpenDrawHistory(mOptions.historyFile);
    } catch (const std::exception& error) {
        ShowRefusal(this, QStringLiteral("当選データを読み込み直せません。\n%1\n\n"
                                         "これまでの当選データで続けます。")
                              .arg(QString::fromUtf8(error.what())));
        return;
    }
    UseHistory(std::move(*history));
}

void MainWindow::UseHistory(DrawHistory history) {
    const std::vector<Draw> added = NewDraws(mHistory, history);
    mHistory = std::move(history);
    mAnalysisRange->UseHistory(mHistory);
    if (mHistoryWatcher != nullptr) {
        mHistoryWatcher->Acknowledge();
    }
    statusBar()->clearMessage();
    ReportSkippedRows();
    ShowHistoryKind();
    RecomputeAnalysisWindows();
    if (mPredictionWindow != nullptr && !mPredictionWindow->isHidden()) {
        mPredictionWindow->Recompute();
    }
    for (QMdiSubWindow* window : mMdiArea->subWindowList()) {
        if (auto* check = qobject_cast<BacktestWindow*>(window)) {
            check->HistoryReloaded();
        } else if (auto* tickets = qobject_cast<TicketsWindow*>(window)) {
            tickets->Reload();
        }
    }
    ShowTicketResults(*this, mOptions.historyFile, added);
}

const DrawHistory& MainWindow::AnalysisHistory() const {
    return mAnalysisRange->History(mHistory);
}

QString MainWindow::AnalysisRangeCaption() const {
    return mAnalysisRange->Caption();
}

void MainWindow::RecomputeAnalysisWindows() {
    for (const QPointer<AnalysisWindow>& window : mAnalysisWindows) {
        if (window != nullptr) {
            window->Recompute();
        }
    }
}

void MainWindow::BuildMenus() {
    mMenuItems = BuildMainMenu(*menuBar());
    mAnalysisRange =
        new AnalysisRangeChoice(*menuBar()->findChild<QMenu*>(QStringLiteral("analysisMenu")),
                                mOptions.settingsFile, *this);
    statusBar()->addPermanentWidget(&mAnalysisRange->Note());
    connect(mAnalysisRange, &AnalysisRangeChoice::changed, this,
            &MainWindow::RecomputeAnalysisWindows);
    const auto on = [this](const char* name, void (MainWindow::*handler)()) {
        connect(mMenuItems.value(QString::fromUtf8(name)), &QAction::triggered, this, handler);
    };
    connect(mMenuItems.value(QStringLiteral("exitAction")), &QAction::triggered, this,
            &MainWindow::close);
    on("openPredictionAction", &MainWindow::ShowPredictionWindow);
    on("refreshHistoryAction", &MainWindow::RefreshHistoryByDownload);
    on("setRefreshSourceAction", &MainWindow::SetRefreshSource);
    on("importHistoryAction", &MainWindow::ImportHistory);
    on("openEntryAction", &MainWindow::StartManualEntry);
    on("showHelpAction", &MainWindow::ShowHelp);
    connect(
        mMenuItems.value(QStringLiteral("openBacktestAction")), &QAction::triggered, this, [this] {
            // The check replays the prediction's options; a broken settings file is reported
            // before it opens.
            PredictionWindow();
            ShowPredictionCheck(QStringLiteral("予想の検証"), [this] {
                auto* window = new BacktestWindow(*this, mPredictionWindow->Predictor().Options(),
                                                  PredictionLogPath(mOptions.historyFile));
                mMdiArea->addSubWindow(window);
                window->Load();
                return window;
            });
        });
    connect(mMenuItems.value(QStringLiteral("openNumberCheckAction")), &QAction::triggered, this,
            [this] {
                ShowPredictionCheck(QStringLiteral("数字チェック"), [this] {
                    auto* window = new NumberCheckWindow(*this, mOptions.historyFile);
                    mMdiArea->addSubWindow(window);
                    return window;
                });
            });
    connect(mMenuItems.value(QStringLiteral("openTicketsAction")), &QAction::triggered, this,
            [this] {
                ShowPredictionCheck(QStringLiteral("購入した数字"), [this] {
                    auto* window = new TicketsWindow(*this, mOptions.historyFile);
                    mMdiArea->addSubWindow(window);
                    return window;
                });
            });
    on("showAboutAction", &MainWindow::ShowAbout);
    const auto arrange = [this](const char* name, void (*arrangement)(QMdiArea&)) {
        connect(mMenuItems.value(QString::fromUtf8(name)), &QAction::triggered, this,
                [this, arrangement] { arrangement(*mMdiArea); });
    };
    arrange("tileHorizontallyAction", TileHorizontally);
    arrange("tileVerticallyAction", TileVertically);
    arrange("cascadeAction", Cascade);
    arrange("arrangeIconsAction", ArrangeIcons);
    connect(mMenuItems.value(QStringLiteral("closeAllWindowsAction")), &QAction::triggered,
            mMdiArea, &QMdiArea::closeAllSubWindows);
    if (auto* windowMenu = menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"))) {
        ListWindowsInMenu(*windowMenu, *mMdiArea);
    }
    for (const MainMenuItem& item : MainMenuItems()) {
        if (item.window != nullptr) {
            ConnectAnalysisItem(*mMenuItems.value(QString::fromUtf8(item.name)), item.window);
        }
    }
}

void MainWindow::ConnectAnalysisItem(QAction& action, const char* windowName) {
    if (const Analysis* description = FindAnalysis(windowName)) {
        connect(&action, &QAction::triggered, this,
                [this, description] { ShowAnalysisWindow(*description); });
    }
}

QWidget* MainWindow::ChooseWindow(const QString& name) {
    for (const MainMenuItem& item : MainMenuItems()) {
        if (item.window == nullptr || QString::fromUtf8(item.window) != name) {
            continue;
        }
        mMenuItems.value(QString::fromUtf8(item.name))->trigger();
        for (QMdiSubWindow* window : mMdiArea->subWindowList()) {
            if (window->objectName() == name) {
                return window;
            }
        }
        return nullptr;
    }
    return nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The entry window holds the exit on a wrong number as it holds its own closing; nothing else
    // asks. The children close first, then the settings are written and the history let go.
    mExiting = true;
    for (QMdiSubWindow* window : mMdiArea->subWindowList()) {
        if (qobject_cast<EntryWindow*>(window) != nullptr && !window->close()) {
            mExiting = false;
            event->ignore();
            return;
        }
    }
    mMdiArea->closeAllSubWindows();
    if (mHelpWindow != nullptr) {
        mHelpWindow->close();
    }
    if (mAboutBox != nullptr) {
        mAboutBox->close();
    }
    SavePredictionSettings();
    CloseDrawHistory();
    {
        HourglassCursor hourglass;
        ProcessPendingEvents();
    }
    event->accept();
}

void MainWindow::CloseDrawHistory() {
    mHistory = DrawHistory();
    mAnalysisRange->UseHistory(mHistory);
}

// The prediction window is made when it is first needed, which is once the main window is on
// screen and active, so that start-up shows the main window without it; from then it lives,
// hidden when closed, to the exit. It reads the settings file as it is made, before it shows.
IppatsuGaruponWindow& MainWindow::PredictionWindow() {
    if (mPredictionWindow == nullptr) {
        CreatePredictionWindow();
    }
    return *mPredictionWindow;
}

void MainWindow::CreatePredictionWindow() {
    mPredictionWindow = new IppatsuGaruponWindow(*this, mOptions.settingsFile);
    mMdiArea->addSubWindow(mPredictionWindow);
    mPredictionWindow->hide();
    mPredictionWindow->ReadInitFile();
    if (mOptions.recordsPredictions) {
        mPredictionWindow->SetShownPredictionRecorder(
            [this](const GaruponPredictor& predictor) { RecordShownPrediction(predictor); });
    }
}

// Also taken whenever the main window becomes active, so that the prediction is what the user
// comes back to.
void MainWindow::ShowPredictionWindow() {
    if (!mLoaded) {
        return;
    }
    IppatsuGaruponWindow& prediction = PredictionWindow();
    HourglassCursor hourglass;
    if (prediction.isHidden()) {
        prediction.Load();
        prediction.show();
        KeepWithinArea(prediction);
    } else if (prediction.isMinimized()) {
        prediction.showNormal();
    }
    mMdiArea->setActiveSubWindow(&prediction);
}

// A failure to write the settings file is reported by the prediction window; the exit goes on.
void MainWindow::SavePredictionSettings() {
    if (mPredictionWindow != nullptr) {
        mPredictionWindow->WriteInitFile();
    }
}

void MainWindow::ShowAnalysisWindow(const Analysis& description) {
    HourglassCursor hourglass;
    const QString name = QString::fromUtf8(description.name);
    if (AnalysisWindow* open = mAnalysisWindows.value(name)) {
        if (open->isMinimized()) {
            open->showNormal();
        }
        mMdiArea->setActiveSubWindow(open);
        return;
    }
    auto* window = new AnalysisWindow(description, *this);
    mMdiArea->addSubWindow(window);
    mAnalysisWindows.insert(name, window);
    try {
        window->Load();
    } catch (const std::exception& error) {
        window->close();
        hourglass.Restore();
        ShowRefusal(
            this,
            QStringLiteral("%1 を表示できません。\n%2").arg(name, QString::fromUtf8(error.what())));
        return;
    }
    window->show();
    KeepWithinArea(*window);
}

// What the prediction window shows is kept in the log beside the history, so that 予想の検証 can
// compare it with the draw once it is in. A failure only costs the record: it is reported in the
// status bar instead of interrupting every showing.
void MainWindow::RecordShownPrediction(const GaruponPredictor& predictor) {
    try {
        AppendToPredictionLog(PredictionLogPath(mOptions.historyFile),
                              MakePredictionLogEntry(mHistory, predictor));
    } catch (const std::exception& error) {
        statusBar()->showMessage(
            QStringLiteral("予想を記録できません: %1").arg(QString::fromUtf8(error.what())));
    }
}

void MainWindow::ShowPredictionCheck(const QString& name,
                                     const std::function<QMdiSubWindow*()>& create) {
    for (QMdiSubWindow* open : mMdiArea->subWindowList()) {
        if (open->objectName() == name) {
            if (open->isMinimized()) {
                open->showNormal();
            }
            mMdiArea->setActiveSubWindow(open);
            return;
        }
    }
    HourglassCursor hourglass;
    QMdiSubWindow* window = create();
    window->show();
    KeepWithinArea(*window);
}

void MainWindow::RefreshHistoryByDownload() {
    DownloadRefresh refresh(this, mOptions.historyFile, mAccessReader);
    refresh.SetSettingsFile(mOptions.settingsFile);
    if (std::optional<DrawHistory> refreshed = refresh.Run()) {
        UseHistory(std::move(*refreshed));
    }
}

void MainWindow::ImportHistory() {
    if (std::optional<DrawHistory> imported =
            HistoryImport(this, mOptions.historyFile, mAccessReader).Run()) {
        UseHistory(std::move(*imported));
    }
}

// An open entry window is brought forward; other windows that block entry may be closed for it.
void MainWindow::StartManualEntry() {
    QList<QMdiSubWindow*> blocking;
    for (QMdiSubWindow* window : mMdiArea->subWindowList()) {
        if (mEntryBlockers.contains(window) && qobject_cast<EntryWindow*>(window) == nullptr) {
            blocking.append(window);
        }
    }
    if (!CloseWindowsForEntry(this, blocking)) {
        return;
    }
    HourglassCursor hourglass;
    ProcessPendingEvents();
    ShowEntryWindow();
}

// Shows the manual entry window, or brings it forward when it is open already.
void MainWindow::ShowEntryWindow() {
    for (QMdiSubWindow* open : mMdiArea->subWindowList()) {
        if (auto* entry = qobject_cast<EntryWindow*>(open)) {
            mMdiArea->setActiveSubWindow(entry);
            return;
        }
    }
    auto* window = new EntryWindow(mOptions.historyFile, *this);
    connect(window, &EntryWindow::HistoryChanged, this, &MainWindow::ReloadHistory);
    connect(window, &QObject::destroyed, mHistoryWatcher, &HistoryFileWatcher::Recheck);
    mMdiArea->addSubWindow(window);
    try {
        window->Load();
    } catch (const std::exception& error) {
        window->close();
        ShowRefusal(this,
                    QStringLiteral("%1 を表示できません。\n%2")
                        .arg(QStringLiteral("当選データ入力"), QString::fromUtf8(error.what())));
        return;
    }
    window->show();
    KeepWithinArea(*window);
}

void MainWindow::SetRefreshSource() {
    RefreshSourceDialog(mOptions.settingsFile, this).exec();
}

void MainWindow::ShowHelp() {
    if (mHelpWindow == nullptr) {
        mHelpWindow = new HelpWindow(this);
    }
    mHelpWindow->ShowKeyword(HelpWindow::StartKeyword());
    mHelpWindow->show();
    mHelpWindow->raise();
    mHelpWindow->activateWindow();
}

void MainWindow::ShowAbout() {
    if (mAboutBox == nullptr) {
        mAboutBox = new AboutBox(mOptions.historyFile, mOptions.settingsFile, this);
        mAboutBox->setAttribute(Qt::WA_DeleteOnClose);
    }
    mAboutBox->show();
    mAboutBox->raise();
    mAboutBox->activateWindow();
}

void MainWindow::ReportSkippedRows() {
    const int skipped = mHistory.Aggregates().skippedOtherValue;
    if (skipped > 0) {
        statusBar()->showMessage(
            QStringLiteral("1～31 以外の数字を含む %1 回分の当選データは分析に使っていません。")
                .arg(skipped));
    }
}

// Made-up draws must never pass for the published results.
void MainWindow::ShowHistoryKind() {
    const bool sample = mHistory.IsSample();
    setWindowTitle(sample ? QStringLiteral("ピルモ［サンプルデータ］") : QStringLiteral("ピルモ"));
    mSampleNote->setVisible(sample);
    mCurrencyNote->Show(mHistory, Today());
}

void MainWindow::WatchActivation(QWindow* focusWindow) {
    if (focusWindow == nullptr) {
        return;  // the program lost the focus; returning to it is no return from our windows
    }
    // Noted when the other window gets the focus: a window deleted on closing (the About box) is
    // gone by the time the main window has it back.
    const bool fromOtherWindow = mFocusInOtherProgramWindow;
    mFocusInOtherProgramWindow = focusWindow != windowHandle() && IsProgramWindow(*focusWindow);
    if (!mLoaded || mExiting || focusWindow != windowHandle()) {
        return;
    }
    const bool firstActivation = !mActivated;
    mActivated = true;
    if ((firstActivation && mOptions.opensPredictionFirst) || fromOtherWindow) {
        ShowPredictionWindow();
    }
}

// Counted per window: one blocking window closing leaves entry refused while another is open.
void MainWindow::SetBlocksEntry(const QWidget& window, bool blocks) {
    if (blocks) {
        mEntryBlockers.insert(&window);
    } else {
        mEntryBlockers.remove(&window);
    }
}

void MainWindow::AddStatusNote(QLabel* note) {
    statusBar()->addPermanentWidget(note);
}

void MainWindow::ShowStatusMessage(const QString& message) {
    statusBar()->showMessage(message, kStatusMessageMilliseconds);
}

// The menus a child window hides come back when it gives up the menu bar; one that was deleted
// meanwhile stays gone.
void MainWindow::ReplaceMenus(QMenu* menu) {
    QMenuBar* bar = menuBar();
    if (mChildMenu != nullptr) {
        bar->removeAction(mChildMenu->menuAction());
    }
    for (const QPointer<QAction>& hidden : mMenusHiddenByChild) {
        if (hidden != nullptr) {
            hidden->setVisible(true);
        }
    }
    mMenusHiddenByChild.clear();
    mChildMenu = menu;
    if (menu == nullptr) {
        return;
    }
    for (QAction* item : bar->actions()) {
        if (item->isVisible()) {
            item->setVisible(false);
            mMenusHiddenByChild.append(item);
        }
    }
    bar->addAction(menu->menuAction());
}

}  // namespace pirumo
