#include "prediction/ui/ippatsugaruponwindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "prediction/initfile.h"
#include "prediction/money/buyingcost.h"
#include "prediction/predictiontexts.h"
#include "print/predictionprint.h"
#include "print/ui/printpreview.h"
#include "widgets/gridview.h"
#include "widgets/hourglasscursor.h"
#include "widgets/twips.h"
#include "widgets/windowhost.h"

namespace pirumo {

namespace {

constexpr int kWidthTwips = 9360;
constexpr int kHeightTwips = 8244;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* AddLabel(QWidget& parent, const char* name, std::string_view text, bool wrap) {
    auto* label = new QLabel(FromUtf8(text), &parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(wrap);
    return label;
}

}  // namespace

IppatsuGaruponWindow::IppatsuGaruponWindow(WindowHost& host, std::filesystem::path settingsFile)
    : mHost(host), mSettingsFile(std::move(settingsFile)) {
    setObjectName(FromUtf8(prediction_text::kWindowName));
    setWindowTitle(FromUtf8(prediction_text::kCaption));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    mClient = client;

    mClose = new QPushButton(FromUtf8(prediction_text::kClose), client);
    mClose->setObjectName(QStringLiteral("closeButton"));
    mPrint = new QPushButton(FromUtf8(prediction_text::kPrint), client);
    mPrint->setObjectName(QStringLiteral("printButton"));
    for (QPushButton* button : {mPrint, mClose}) {
        button->setFixedSize(TwipsToPixelsX(kButtonWidthTwips, *this),
                             TwipsToPixelsY(kButtonHeightTwips, *this));
    }
    connect(mClose, &QPushButton::clicked, this, &IppatsuGaruponWindow::close);
    connect(mPrint, &QPushButton::clicked, this, [this] {
        OpenPrintPreview(PredictionPrintDocument(mPredictor, mHost.History(), QDate::currentDate()),
                         this);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mPrint);
    buttons->addWidget(mClose);

    // The predictions with the buttons below them on the left, the options on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(CreatePredictionFrame());
    left->addStretch();
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(client);
    layout->addLayout(left);
    layout->addWidget(CreateOptionFrame(), 0, Qt::AlignTop);

    // The contents keep the size they are laid out for, whatever the window's size: a smaller
    // window (tiling) scrolls them, and neither squeezing nor stretching runs the wrapped labels
    // over the grids.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("clientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(client);
    setWidget(scroll);
}

// The grid views go before the predictor's grids they show.
IppatsuGaruponWindow::~IppatsuGaruponWindow() {
    delete widget();
}

QWidget* IppatsuGaruponWindow::CreatePredictionFrame() {
    auto* frame = new QGroupBox(FromUtf8(prediction_text::kPredictionsTitle));
    frame->setObjectName(QStringLiteral("predictionFrame"));
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(2);
    mTargetDraw = AddLabel(*frame, "targetDrawLabel", "", true);
    layout->addWidget(mTargetDraw);
    QLabel* intro =
        AddLabel(*frame, "predictionIntroLabel", prediction_text::kPredictionsIntro, true);
    layout->addWidget(intro);
    static constexpr std::array<const char*, kPredictionGridCount> kLabelNames{
        "cycleLabel", "eliminationLabel", "rapidFireLabel", "oneShotLabel"};
    for (int index = 0; index < kPredictionGridCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        layout->addSpacing(6);
        layout->addWidget(AddLabel(*frame, kLabelNames[i], prediction_text::kGridLabels[i], false));
        auto* view = new GridView(frame);
        view->setObjectName(FromUtf8(kPredictionGridNames[i]));
        mGridViews[i] = view;
        layout->addWidget(view, 0, Qt::AlignLeft);
    }
    layout->addSpacing(6);
    mBuying = AddLabel(*frame, "buyingLabel", "", true);
    layout->addWidget(mBuying);
    // The introduction and the buying lines wrap to the width the grid labels need.
    intro->setMaximumWidth(frame->sizeHint().width());
    mBuying->setFixedWidth(frame->sizeHint().width());
    return frame;
}

QWidget* IppatsuGaruponWindow::CreateOptionFrame() {
    auto* options = new QGroupBox(FromUtf8(prediction_text::kOptionsTitle));
    options->setObjectName(QStringLiteral("optionFrame"));
    auto* layout = new QVBoxLayout(options);
    layout->setSpacing(3);
    for (int i = 0; i < PredictionOptions::kCount; ++i) {
        const PredictionOptionInfo& info = kPredictionOptionInfo[static_cast<std::size_t>(i)];
        auto* frame = new QGroupBox(FromUtf8(info.frameCaption), options);
        frame->setObjectName(FromUtf8(info.frameName));
        // The caption sits on the frame's top line, as on a classic frame, so that all twelve
        // frames fit the window's height.
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        // Buttons that share a frame exclude each other; each pair has its own frame.
        auto* reflect = new QRadioButton(FromUtf8(prediction_text::kReflect), frame);
        reflect->setObjectName(QStringLiteral("reflectButton%1").arg(i));
        auto* dontReflect = new QRadioButton(FromUtf8(prediction_text::kDontReflect), frame);
        dontReflect->setObjectName(QStringLiteral("dontReflectButton%1").arg(i));
        auto* pair = new QHBoxLayout(frame);
        pair->setContentsMargins(12, 6, 4, 1);
        // The style sheet's title is not part of the frame's size hint: leave room for it.
        frame->setMinimumWidth(frame->fontMetrics().horizontalAdvance(frame->title()) + 24);
        pair->addWidget(reflect);
        pair->addWidget(dontReflect);
        pair->addStretch();
        connect(reflect, &QRadioButton::clicked, this, [this, i] { ChangeOption(i, true); });
        connect(dontReflect, &QRadioButton::clicked, this, [this, i] { ChangeOption(i, false); });
        mReflect[static_cast<std::size_t>(i)] = reflect;
        mDontReflect[static_cast<std::size_t>(i)] = dontReflect;
        layout->addWidget(frame);
    }
    QLabel* intro = AddLabel(*options, "optionIntroLabel", prediction_text::kOptionsIntro, true);
    intro->setMaximumWidth(options->sizeHint().width());
    layout->addWidget(intro);
    return options;
}

void IppatsuGaruponWindow::ReadInitFile() {
    try {
        pirumo::ReadInitFile(mSettingsFile, mPredictor.Options());
    } catch (const InitFileError& error) {
        mPredictor.Options() = PredictionOptions();
        QMessageBox::warning(mHost.DialogParent(), QString(),
                             QString::fromUtf8(error.what()) +
                                 QStringLiteral("\nすべてのオプションを「反映しない」とします。"));
    }
}

bool IppatsuGaruponWindow::WriteInitFile() {
    try {
        pirumo::WriteInitFile(mSettingsFile, mPredictor.Options());
        return true;
    } catch (const InitFileError& error) {
        QMessageBox::warning(mHost.DialogParent(), QString(), QString::fromUtf8(error.what()));
        return false;
    }
}

void IppatsuGaruponWindow::SetShownPredictionRecorder(ShownPredictionRecorder recorder) {
    mRecordShownPrediction = std::move(recorder);
}

// A prediction that shows no numbers is not one to score later.
void IppatsuGaruponWindow::RecordShownPrediction() const {
    if (mRecordShownPrediction && mPredictor.Shortage().empty()) {
        mRecordShownPrediction(mPredictor);
    }
}

void IppatsuGaruponWindow::Load() {
    HourglassCursor hourglass;
    ProcessPendingEvents();
    mHost.SetBlocksEntry(*this, true);
    SetOptionButtons();
    mPredictor.Load(mHost.History());
    ShowPredictionGrids();
    // The window's size, or larger where the fonts need more room: nothing is cut off.
    const QRect wanted = TwipsToPixels(0, 0, kWidthTwips, kHeightTwips, *this);
    const QMargins frame = contentsMargins();
    const QSize least = mClient->minimumSizeHint() +
                        QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    setGeometry(0, 0, std::max(wanted.width(), least.width()),
                std::max(wanted.height(), least.height()));
    RecordShownPrediction();
}

void IppatsuGaruponWindow::Recompute() {
    HourglassCursor hourglass;
    mPredictor.Load(mHost.History());
    ShowPredictionGrids();
    RecordShownPrediction();
}

void IppatsuGaruponWindow::SetOptionButtons() {
    for (std::size_t i = 0; i < mReflect.size(); ++i) {
        (mPredictor.Options().reflect[i] ? mReflect[i] : mDontReflect[i])->setChecked(true);
    }
}

void IppatsuGaruponWindow::ShowPredictionGrids() {
    QString target = PredictedDrawText(mHost.History()) + QStringLiteral("の予想");
    if (const std::string shortage = mPredictor.Shortage(); !shortage.empty()) {
        target += QLatin1Char('\n') + QString::fromStdString(shortage);
    }
    mTargetDraw->setText(target);
    for (int index = 0; index < kPredictionGridCount; ++index) {
        GridView* view = mGridViews[static_cast<std::size_t>(index)];
        if (mGridsShown) {
            view->Refresh();
        } else {
            view->SetGrid(mPredictor.Grid(index));
        }
        view->setFixedSize(view->sizeHint());
    }
    mGridsShown = true;
    QStringList buying;
    for (const std::string& line :
         BuyingCostLines(mPredictor.BuyingCosts(), mPredictor.TicketWorth())) {
        buying << QString::fromStdString(line);
    }
    mBuying->setText(buying.join(QLatin1Char('\n')));
    // The layout would give a wrapped label the height of its widest form.
    mBuying->setFixedHeight(mBuying->heightForWidth(mBuying->width()));
    // The frame's layout learns the new height before the client's asks it for its size.
    mBuying->parentWidget()->layout()->activate();
    mClient->layout()->activate();
    mClient->resize(mClient->minimumSizeHint());
}

void IppatsuGaruponWindow::ChangeOption(int index, bool reflect) {
    HourglassCursor hourglass;
    ProcessPendingEvents();
    mPredictor.SetOption(index, reflect);
    ShowPredictionGrids();
    RecordShownPrediction();
}

void IppatsuGaruponWindow::closeEvent(QCloseEvent* event) {
    mHost.SetBlocksEntry(*this, false);
    event->ignore();
    hide();
}

}  // namespace pirumo
