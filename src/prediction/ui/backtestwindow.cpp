#include "prediction/ui/backtestwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "prediction/backtest/backtestchart.h"
#include "prediction/backtest/backtestgrids.h"
#include "prediction/backtest/backtestmoneygrid.h"
#include "prediction/backtest/backtestpower.h"
#include "prediction/backtest/backtestyenchart.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/ui/backtestjob.h"
#include "widgets/chartpane.h"
#include "widgets/closebuttonrow.h"
#include "widgets/gridview.h"
#include "widgets/messageboxes.h"
#include "widgets/windowhost.h"

namespace pirumo {

namespace {

// How long the window waits for the check before it shows a progress bar instead.
constexpr int kBlinkMilliseconds = 150;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the status bar says when a check that ran behind the progress bar ends.
QString EndOfCheckNote(const BacktestJob& job) {
    if (!job.Error().empty()) {
        return QStringLiteral("予想の検証ができませんでした。");
    }
    return job.Cancelled() ? QStringLiteral("予想の検証を中止しました。")
                           : QStringLiteral("予想の検証が終わりました。");
}

}  // namespace

BacktestWindow::BacktestWindow(WindowHost& host, const PredictionOptions& options,
                               std::filesystem::path predictionLog)
    : mHost(host), mOptions(options), mPredictionLog(std::move(predictionLog)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("予想の検証"));
    setWindowTitle(QStringLiteral("予想の検証"));

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    mHeading = new QLabel(client);
    mHeading->setObjectName(QStringLiteral("headingLabel"));
    mHeading->setWordWrap(true);
    layout->addWidget(mHeading);

    auto* rangeRow = new QHBoxLayout();
    mFrom = new QSpinBox(client);
    mFrom->setObjectName(QStringLiteral("fromDrawSpin"));
    mTo = new QSpinBox(client);
    mTo->setObjectName(QStringLiteral("toDrawSpin"));
    HistoryReloaded();
    mRun = new QPushButton(QStringLiteral("検証"), client);
    mRun->setObjectName(QStringLiteral("runButton"));
    connect(mRun, &QPushButton::clicked, this, [this] { Run(mFrom->value(), mTo->value()); });
    rangeRow->addWidget(new QLabel(QStringLiteral("第"), client));
    rangeRow->addWidget(mFrom);
    rangeRow->addWidget(new QLabel(QStringLiteral("回～第"), client));
    rangeRow->addWidget(mTo);
    rangeRow->addWidget(new QLabel(QStringLiteral("回"), client));
    rangeRow->addWidget(mRun);
    mProgress = new QProgressBar(client);
    mProgress->setObjectName(QStringLiteral("progressBar"));
    mCancel = new QPushButton(QStringLiteral("中止"), client);
    mCancel->setObjectName(QStringLiteral("cancelButton"));
    rangeRow->addWidget(mProgress, 1);
    rangeRow->addWidget(mCancel);
    rangeRow->addStretch(1);
    layout->addLayout(rangeRow);
    mProgress->hide();
    mCancel->hide();

    // A window smaller than the summary scrolls it rather than laying its parts over each other.
    auto* summary = new QScrollArea(client);
    summary->setObjectName(QStringLiteral("summaryScroll"));
    summary->setFrameShape(QFrame::NoFrame);
    summary->setWidgetResizable(true);
    summary->setWidget(CreateSummaryArea());
    layout->addWidget(summary);
    layout->addWidget(CreateDetailArea(), 1);

    AddCloseButtonRow(*layout, *client, *this);
    setWidget(client);

    mProgressTimer = new QTimer(this);
    mProgressTimer->setInterval(50);
    connect(mProgressTimer, &QTimer::timeout, this, [this] {
        mProgress->setMaximum(std::max(1, mJob->Total()));
        mProgress->setValue(mJob->Done());
    });
    connect(mCancel, &QPushButton::clicked, this, [this] {
        mJob->Cancel();
        mCancel->setEnabled(false);
    });
    resize(1180, 860);
}

BacktestWindow::~BacktestWindow() = default;

// The matches per method, what the checked range can show, then the same tickets in yen.
QWidget* BacktestWindow::CreateSummaryArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    mSummary = new GridView(area);
    mSummary->setObjectName(QStringLiteral("summaryGrid"));
    layout->addWidget(mSummary);
    mPowerNote = new QLabel(area);
    mPowerNote->setObjectName(QStringLiteral("powerNote"));
    mPowerNote->setWordWrap(true);
    layout->addWidget(mPowerNote);
    mMoneyNote = new QLabel(area);
    mMoneyNote->setObjectName(QStringLiteral("moneyNoteLabel"));
    mMoneyNote->setWordWrap(true);
    mMoney = new GridView(area);
    mMoney->setObjectName(QStringLiteral("moneyGrid"));
    layout->addWidget(mMoneyNote);
    layout->addWidget(mMoney);
    return area;
}

void BacktestWindow::ShowPowerNotes(const BacktestResult& result) {
    QStringList notes;
    for (const std::string& note : BacktestPowerNotes(result)) {
        notes << QString::fromUtf8(note);
    }
    mPowerNote->setText(notes.join(QLatin1Char('\n')));
}

QWidget* BacktestWindow::CreateDetailArea() {
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* chartColumn = new QVBoxLayout();
    auto* methodRow = new QHBoxLayout();
    mMethod = new QComboBox(area);
    mMethod->setObjectName(QStringLiteral("methodChoice"));
    for (std::string_view name : kMethodNames) {
        mMethod->addItem(FromUtf8(name));
    }
    mMethod->setCurrentIndex(kOneShotGrid);
    methodRow->addWidget(new QLabel(QStringLiteral("方法:"), area));
    methodRow->addWidget(mMethod);
    methodRow->addStretch(1);
    chartColumn->addLayout(methodRow);
    mChart = new ChartPane(area);
    mChart->setMinimumSize(420, 260);
    mChart->setObjectName(QStringLiteral("cumulativeChart"));
    chartColumn->addWidget(mChart, 1);
    layout->addLayout(chartColumn, 5);

    mTabs = new QTabWidget(area);
    mDraws = new GridView(mTabs);
    mDraws->setObjectName(QStringLiteral("drawsGrid"));
    mTabs->addTab(mDraws, QStringLiteral("回ごとの予想と当選数字"));
    auto* logPage = new QWidget(mTabs);
    auto* logLayout = new QVBoxLayout(logPage);
    mLogNote = new QLabel(logPage);
    mLogNote->setWordWrap(true);
    mLog = new GridView(logPage);
    mLog->setObjectName(QStringLiteral("logGrid"));
    logLayout->addWidget(mLogNote);
    logLayout->addWidget(mLog, 1);
    mTabs->addTab(logPage, QStringLiteral("予想記録（実際に表示した予想）"));
    auto* tableColumn = new QVBoxLayout();
    tableColumn->addWidget(mTabs, 1);
    tableColumn->addLayout(CreateMatchLegend(*area));
    layout->addLayout(tableColumn, 6);

    connect(mMethod, &QComboBox::currentIndexChanged, this, [this](int method) {
        if (mShown) {
            ShowMethod(method);
        }
    });
    return area;
}

// What the tables' two cell colours mean, in those colours, one to a line so that the narrow
// column keeps its width.
QVBoxLayout* BacktestWindow::CreateMatchLegend(QWidget& parent) {
    auto* legend = new QVBoxLayout();
    const auto add = [&](const char* name, Rgb colour, const QString& meaning) {
        auto* row = new QHBoxLayout();
        auto* swatch = new QLabel(&parent);
        swatch->setObjectName(QString::fromUtf8(name));
        swatch->setFixedSize(17, 17);
        swatch->setStyleSheet(
            QStringLiteral("background-color: %1; border: 1px solid #a0a0a0;")
                .arg(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)).name()));
        row->addWidget(swatch);
        row->addWidget(new QLabel(meaning, &parent), 1);
        legend->addLayout(row);
    };
    add("matchSwatch", kMatchBack, QStringLiteral("：予想に入っていた当選数字"));
    add("bonusSwatch", kBonusBack, QStringLiteral("：予想に入っていたボーナス数字"));
    return legend;
}

void BacktestWindow::HistoryReloaded() {
    for (QSpinBox* box : {mFrom, mTo}) {
        box->setRange(1, std::max(1, mHost.History().LastDrawNumber()));
    }
}

void BacktestWindow::Load() {
    ShowPredictionLog();
    int from = 0;
    int to = 0;
    try {
        std::tie(from, to) = DefaultBacktestRange(mHost.History());
    } catch (const BacktestError& error) {
        mHeading->setText(QString::fromUtf8(error.what()));
        return;
    }
    mFrom->setValue(from);
    mTo->setValue(to);
    Run(from, to);
}

void BacktestWindow::Run(int from, int to) {
    if (from > to) {
        ShowRefusal(mHost.DialogParent(),
                    QStringLiteral("第%1回から第%2回までは検証できません。始めの回を終わりの回"
                                   "より前にしてください。")
                        .arg(from)
                        .arg(to));
        return;
    }
    delete mJob;  // a check still running is cancelled first
    mShown = false;
    mRun->setEnabled(false);
    mHeading->setText(QStringLiteral("第%1回～第%2回を検証しています…").arg(from).arg(to));
    mJob = new BacktestJob(mHost.History(), mOptions, from, to, this);
    connect(mJob, &BacktestJob::Finished, this, &BacktestWindow::ShowResult);
    mJob->Start();
    if (mJob->Wait(kBlinkMilliseconds)) {
        ShowResult();
    } else {
        ShowProgress();
    }
}

void BacktestWindow::ShowProgress() {
    mProgress->setValue(0);
    mCancel->setEnabled(true);
    mProgress->show();
    mCancel->show();
    mProgressTimer->start();
}

const BacktestResult& BacktestWindow::Result() const {
    return mJob->Result();
}

void BacktestWindow::ShowResult() {
    if (mShown) {
        return;
    }
    mShown = true;
    // A check long enough for a progress bar may end while the user is in another window.
    const bool ranInBackground = mProgressTimer->isActive();
    mProgressTimer->stop();
    mProgress->hide();
    mCancel->hide();
    mRun->setEnabled(true);
    if (ranInBackground) {
        mHost.ShowStatusMessage(EndOfCheckNote(*mJob));
    }
    if (!mJob->Error().empty()) {
        mHeading->setText(QString::fromUtf8(mJob->Error()));
        mPowerNote->clear();
        return;
    }
    const BacktestResult& result = mJob->Result();
    QString heading =
        QStringLiteral(
            "第%1回～第%2回の %3 回分について、その回より前の当選データだけで予想した数字を"
            "実際の当選数字と比べました（反映するオプション %4 件）。")
            .arg(result.from)
            .arg(result.draws.empty() ? result.from : result.draws.back().drawNumber)
            .arg(result.draws.size())
            .arg(result.reflected);
    if (mJob->Cancelled()) {
        heading += QStringLiteral("　途中で中止しました。");
    }
    heading += QStringLiteral(
        "\nどの組合せも毎回同じ確率で当たります。「偶然」は同じ個数の数字を無作為に選んだ場合の"
        "値で、一致の平均がその 95 % 範囲に入っていれば、予想は偶然と区別できません。");
    mHeading->setText(heading);
    FillBacktestSummaryGrid(result, mSummaryGrid);
    mSummary->SetGrid(mSummaryGrid);
    mSummary->setFixedHeight(mSummary->sizeHint().height());
    ShowPowerNotes(result);
    mMoneyNote->setText(QString::fromStdString(BacktestMoneyNote(result)));
    FillBacktestMoneyGrid(mJob->Money(), mMoneyGrid);
    mMoney->SetGrid(mMoneyGrid);
    mMoney->setFixedHeight(mMoney->sizeHint().height());
    ShowMethod(mMethod->currentIndex());
}

void BacktestWindow::ShowMethod(int method) {
    const BacktestResult& result = mJob->Result();
    mChart->Show(
        std::vector<Chart>{BacktestChart(result, method), BacktestYenChart(result, method)});
    FillBacktestDrawGrid(result, method, mDrawGrid);
    mDraws->SetGrid(mDrawGrid);
}

void BacktestWindow::ShowPredictionLog() {
    std::vector<PredictionLogEntry> entries;
    try {
        entries = ReadPredictionLog(mPredictionLog);
    } catch (const std::exception& error) {
        mLogNote->setText(QString::fromUtf8(error.what()));
        return;
    }
    mLogNote->setText(
        entries.empty()
            ? QStringLiteral("一発ガルポン予想を表示すると、表示した数字がここに記録されます。")
            : QStringLiteral("一発ガルポン予想を表示したときの数字です。抽せん後は実際の当選数字と"
                             "比べます。"));
    FillPredictionLogGrid(CompareLoggedPredictions(mHost.History(), entries), mLogGrid);
    mLog->SetGrid(mLogGrid);
}

}  // namespace pirumo
