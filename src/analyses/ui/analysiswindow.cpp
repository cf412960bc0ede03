#include "analyses/ui/analysiswindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <algorithm>

#include "print/analysisprint.h"
#include "print/ui/printpreview.h"
#include "widgets/gridview.h"
#include "widgets/hourglasscursor.h"
#include "widgets/twips.h"
#include "widgets/windowhost.h"

namespace pirumo {

namespace {

// Placement of the frame's controls inside the client area, in twips.
constexpr int kLabelTop = 150;
constexpr int kGridTop = 480;
constexpr int kBallSize = 255;
constexpr int kBallPixels = 19;
constexpr double kSmallestLabelPoints = 6.0;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text);
}

QColor ToColor(Rgb colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// A shaded ball of about 19 x 19 pixels, the mark a legend explains.
QPixmap BallPicture(const QColor& colour, qreal devicePixelRatio) {
    const int side = static_cast<int>(kBallPixels * devicePixelRatio);
    QPixmap picture(side, side);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(kBallPixels * 0.35, kBallPixels * 0.35), kBallPixels * 0.65);
    shade.setColorAt(0.0, colour.lighter(170));
    shade.setColorAt(1.0, colour.darker(120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QRectF(0.5, 0.5, kBallPixels - 1.0, kBallPixels - 1.0));
    return picture;
}

QPushButton* AddButton(QWidget& client, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, &client);
    button->setObjectName(QString::fromUtf8(name));
    button->setFixedSize(TwipsToPixelsX(kButtonWidthTwips, client),
                         TwipsToPixelsY(kButtonHeightTwips, client));
    return button;
}

}  // namespace

AnalysisWindow::AnalysisWindow(const AnalysisWindowDescription& description, WindowHost& host)
    : mDescription(description), mHost(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(FromUtf8(description.name));
    setWindowTitle(FromUtf8(description.caption));
    CreateControls();
}

// The grid view goes before the grid it shows.
AnalysisWindow::~AnalysisWindow() {
    delete widget();
}

void AnalysisWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setWidget(client);

    mSummary = new QLabel(FromUtf8(mDescription.summary), client);
    mSummary->setObjectName(QStringLiteral("Label1"));
    mGridView = new GridView(client);
    mGridView->setObjectName(QStringLiteral("fpSpread1"));
    mCloseButton = AddButton(*client, "Command1", QStringLiteral("閉じる"));
    connect(mCloseButton, &QPushButton::clicked, this, &AnalysisWindow::close);
    if (mDescription.hasPrintButton) {
        mPrintButton = AddButton(*client, "Command2", QStringLiteral("印刷"));
        connect(mPrintButton, &QPushButton::clicked, this, [this] {
            OpenPrintPreview(
                AnalysisPrintDocument(mDescription, mGrid, mHost.History(), QDate::currentDate()),
                this);
        });
    }
    CreateLegend(*client);
}

void AnalysisWindow::CreateLegend(QWidget& client) {
    QRect previous(TwipsToPixelsX(kMarginTwips, client), TwipsToPixelsY(kLabelTop, client), 0, 0);
    for (const LegendControl& control : mDescription.legend) {
        auto* label = new QLabel(&client);
        label->setObjectName(FromUtf8(control.name));
        QSize size;
        switch (control.kind) {
            case LegendControl::Kind::Label:
                label->setText(FromUtf8(control.text));
                size = label->sizeHint();
                break;
            case LegendControl::Kind::Ball:
                label->setPixmap(BallPicture(ToColor(control.colour), devicePixelRatioF()));
                label->setAlignment(Qt::AlignCenter);
                size = QSize(TwipsToPixelsX(kBallSize, client), TwipsToPixelsY(kBallSize, client));
                break;
            case LegendControl::Kind::Swatch:
                label->setAutoFillBackground(true);
                label->setStyleSheet(
                    QStringLiteral("background-color: %1;").arg(ToColor(control.colour).name()));
                size = QSize(TwipsToPixelsX(kBallSize, client), TwipsToPixelsY(kBallSize, client));
                break;
        }
        const int left =
            control.left >= 0 ? TwipsToPixelsX(control.left, client) : previous.right() + 1;
        const int top = control.top >= 0 ? TwipsToPixelsY(control.top, client) : previous.top();
        const int width = control.width >= 0 ? TwipsToPixelsX(control.width, client) : size.width();
        const int height =
            control.height >= 0 ? TwipsToPixelsY(control.height, client) : size.height();
        label->setGeometry(left, top, width, height);
        previous = label->geometry();
    }
}

void AnalysisWindow::Load() {
    HourglassCursor hourglass;
    if (!mDescription.yieldsAfterAnalysis) {
        ProcessPendingEvents();
    }
    mHost.SetBlocksEntry(*this, !mDescription.allowsManualEntry);
    setGeometry(TwipsToPixels(0, 0, mDescription.widthTwips, mDescription.heightTwips, *this));
    RunAnalysis();
    if (mDescription.yieldsAfterAnalysis) {
        ProcessPendingEvents();
    }
}

void AnalysisWindow::Recompute() {
    HourglassCursor hourglass;
    mGrid = ResultGrid();
    RunAnalysis();
}

void AnalysisWindow::RunAnalysis() {
    if (mDescription.runAnalysis) {
        mDescription.runAnalysis(mHost.History(), mGrid);
    }
    mGridView->SetGrid(mGrid);
    PlaceControls();
}

void AnalysisWindow::PlaceControls() {
    QWidget* client = widget();
    if (client == nullptr || mCloseButton == nullptr) {
        return;  // still being built
    }
    const int margin = TwipsToPixelsX(kMarginTwips, *client);
    const int gap = TwipsToPixelsY(kGapTwips, *client);
    PlaceSummary(*client);

    // The grid shows its visible rows and columns where the window is large enough, and scrolls
    // within the window otherwise; the buttons sit right below it.
    const int gridTop = TwipsToPixelsY(kGridTop, *client);
    const int buttonHeight = mCloseButton->height();
    const QSize wanted = mGridView->sizeHint();
    const int width = std::max(0, std::min(wanted.width(), client->width() - 2 * margin));
    const int height = std::max(
        0, std::min(wanted.height(), client->height() - gridTop - gap - buttonHeight - margin));
    mGridView->setGeometry(margin, gridTop, width, height);

    const int buttonTop = gridTop + height + gap;
    int right = std::max(margin + width, margin + 2 * mCloseButton->width() + gap);
    mCloseButton->move(right - mCloseButton->width(), buttonTop);
    if (mPrintButton != nullptr) {
        right -= mCloseButton->width() + gap;
        mPrintButton->move(right - mPrintButton->width(), buttonTop);
    }
}

// The description sits where the window's legend leaves room for it; a description wider than
// the room it is given is drawn in a smaller font rather than cut off or run into the legend.
void AnalysisWindow::PlaceSummary(QWidget& client) {
    const int left = TwipsToPixelsX(
        mDescription.summaryLeft >= 0 ? mDescription.summaryLeft : kMarginTwips, client);
    const int top =
        TwipsToPixelsY(mDescription.summaryTop >= 0 ? mDescription.summaryTop : kLabelTop, client);
    int width = mSummary->sizeHint().width();
    if (mDescription.summaryWidth >= 0) {
        width = TwipsToPixelsX(mDescription.summaryWidth, client);
        QFont font = mSummary->font();
        while (QFontMetrics(font).horizontalAdvance(mSummary->text()) > width &&
               font.pointSizeF() > kSmallestLabelPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        mSummary->setFont(font);
    }
    mSummary->setGeometry(left, top, width, TwipsToPixelsY(kLabelHeightTwips, client));
}

void AnalysisWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    PlaceControls();
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    mHost.SetBlocksEntry(*this, false);
    QMdiSubWindow::closeEvent(event);
}

}  // namespace pirumo
