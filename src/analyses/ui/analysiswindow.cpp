#include "analyses/ui/analysiswindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "analyses/ui/analysistabs.h"
#include "analyses/ui/chanceview.h"
#include "print/analysisprint.h"
#include "print/chanceprint.h"
#include "print/ui/printpreview.h"
#include "widgets/areafit.h"
#include "widgets/gridview.h"
#include "widgets/hourglasscursor.h"
#include "widgets/labelplacement.h"
#include "widgets/twips.h"
#include "widgets/windowhost.h"

namespace pirumo {

namespace {

// Placement of the frame's controls inside the client area, in twips.
constexpr int kLabelTop = 150;
constexpr int kGridTop = 480;
constexpr int kBallSize = 255;
constexpr int kBallPixels = 19;
constexpr int kLegendGapTwips = 45;
// Rows of a grid, besides its title rows, that a window shrunk by a tiling still shows.
constexpr int kLeastShownRows = 3;

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

// The size of the grid view within `room`. A grid that the room cannot show whole gets scroll
// bars, even one that has none of its own, rather than lose its last rows or columns; up to
// `spareWidth` more pixels (the right margin) are taken before a horizontal bar.
QSize FitGridView(GridView& view, ScrollBars own, QSize room, int spareWidth) {
    const bool ownVertical = own == ScrollBars::Vertical || own == ScrollBars::Both;
    const bool ownHorizontal = own == ScrollBars::Horizontal || own == ScrollBars::Both;
    view.setVerticalScrollBarPolicy(ownVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    view.setHorizontalScrollBarPolicy(ownHorizontal ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
    QSize wanted = view.sizeHint();
    const int bar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    if (!ownVertical && wanted.height() > room.height()) {
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        wanted.rwidth() += bar;
    }
    room.rwidth() = std::max(room.width(), std::min(wanted.width(), room.width() + spareWidth));
    if (!ownHorizontal && wanted.width() > room.width()) {
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        wanted.rheight() += bar;
    }
    return wanted.boundedTo(room).expandedTo(QSize(0, 0));
}

}  // namespace

AnalysisWindow::AnalysisWindow(const Analysis& analysis, WindowHost& host)
    : AnalysisWindow(analysis, AnalysisWindowLayoutOf(analysis.name), host) {}

AnalysisWindow::AnalysisWindow(const Analysis& analysis, const AnalysisWindowLayout& layout,
                               WindowHost& host)
    : mAnalysis(analysis), mLayout(layout), mHost(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(FromUtf8(analysis.name));
    setWindowTitle(FromUtf8(analysis.caption));
    CreateControls();
}

// The grid view goes before the grid it shows.
AnalysisWindow::~AnalysisWindow() {
    delete widget();
}

void AnalysisWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    mClient = client;
    if (mAnalysis.chance) {
        mTabs = new AnalysisTabs(*client, this);
        connect(mTabs, &AnalysisTabs::TablePageResized, this, [this] {
            const bool atNewest = mShownOnce && mLayout.titleRows > 0 && mGridView->ShowsLastRow();
            PlaceControls();
            if (atNewest) {
                mGridView->ScrollToLastRow();
            }
        });
        setWidget(mTabs);
    } else {
        setWidget(client);
    }

    mSummary = new QLabel(FromUtf8(mAnalysis.summary), client);
    mSummary->setObjectName(QStringLiteral("summaryLabel"));
    mGridView = new GridView(client);
    mGridView->setObjectName(QStringLiteral("gridView"));
    mGridView->SetFrozenRows(mLayout.titleRows);
    mCloseButton = AddButton(*client, "closeButton", QStringLiteral("閉じる"));
    connect(mCloseButton, &QPushButton::clicked, this, &AnalysisWindow::close);
    if (mLayout.hasPrintButton) {
        mPrintButton = AddButton(*client, "printButton", QStringLiteral("印刷"));
        connect(mPrintButton, &QPushButton::clicked, this,
                [this] { OpenPrintPreview(PrintDocumentOf(QDate::currentDate()), this); });
    }
    if (mAnalysis.chance) {
        mChanceButton = AddButton(*client, "chanceButton", QStringLiteral("偶然との比較"));
        connect(mChanceButton, &QPushButton::clicked, this, &AnalysisWindow::ToggleChance);
    }
    CreateLegend(*client);
    CreateOrderChoice(*client);
}

// Beside the buttons, for an analysis whose rows may be listed in several orders.
void AnalysisWindow::CreateOrderChoice(QWidget& client) {
    if (mAnalysis.orders.empty()) {
        return;
    }
    mOrderRow = new QWidget(&client);
    mOrderRow->setObjectName(QStringLiteral("orderRow"));
    auto* row = new QHBoxLayout(mOrderRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("並べ替え"), mOrderRow));
    mOrderChoice = new QComboBox(mOrderRow);
    mOrderChoice->setObjectName(QStringLiteral("orderChoice"));
    for (const AnalysisOrder& order : mAnalysis.orders) {
        mOrderChoice->addItem(FromUtf8(order.caption));
    }
    row->addWidget(mOrderChoice);
    connect(mOrderChoice, &QComboBox::currentIndexChanged, this, &AnalysisWindow::Recompute);
}

const std::function<void(const DrawHistory&, ResultGrid&)>& AnalysisWindow::ChosenFill() const {
    if (mOrderChoice != nullptr && mOrderChoice->currentIndex() >= 0) {
        return mAnalysis.orders[static_cast<std::size_t>(mOrderChoice->currentIndex())].fillGrid;
    }
    return mAnalysis.fillGrid;
}

// The comparison's view, a second grid, is made on its first showing: most openings of a window
// never ask for it.
void AnalysisWindow::ToggleChance() {
    const bool showChance = !ShowsChance();
    if (mChanceView == nullptr) {
        mChanceView = new ChanceView(mClient);
    }
    if (showChance) {
        ShowChanceReport();
    }
    mChanceView->setVisible(showChance);
    mGridView->setVisible(!showChance);
    PlaceControls();
}

bool AnalysisWindow::ShowsChance() const {
    return mChanceView != nullptr && mChanceView->isVisibleTo(mClient);
}

void AnalysisWindow::ShowChanceReport() {
    HourglassCursor hourglass;
    mChanceView->Show(mAnalysis.chance(mHost.AnalysisHistory()));
}

void AnalysisWindow::CreateLegend(QWidget& client) {
    std::vector<QLabel*> labels;
    std::vector<QRect> places;
    QRect previous(TwipsToPixelsX(kMarginTwips, client), TwipsToPixelsY(kLabelTop, client), 0, 0);
    for (const LegendControl& control : mLayout.legend) {
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
                size = QSize(TwipsToPixelsX(kBallSize, client), TwipsToPixelsY(kBallSize, client))
                           .expandedTo(QSize(kBallPixels, kBallPixels));
                break;
            case LegendControl::Kind::Swatch:
                label->setText(FromUtf8(control.text));
                label->setAlignment(Qt::AlignCenter);
                label->setAutoFillBackground(true);
                label->setStyleSheet(
                    QStringLiteral("background-color: %1; border: 1px solid #a0a0a0;")
                        .arg(ToColor(control.colour).name()));
                size = QSize(TwipsToPixelsX(kBallSize, client), TwipsToPixelsY(kBallSize, client));
                break;
        }
        const int left =
            control.left >= 0 ? TwipsToPixelsX(control.left, client) : previous.right() + 1;
        const int top = control.top >= 0 ? TwipsToPixelsY(control.top, client) : previous.top();
        // A caption keeps its whole width even where the room it was given is narrower.
        const int width = control.width >= 0
                              ? std::max(TwipsToPixelsX(control.width, client), size.width())
                              : size.width();
        const int height = control.height >= 0
                               ? std::max(TwipsToPixelsY(control.height, client), size.height())
                               : size.height();
        previous = QRect(left, top, width, height);
        labels.push_back(label);
        places.push_back(previous);
    }
    KeepApartOnLine(places, TwipsToPixelsX(kLegendGapTwips, client));
    const int belowDescription = TwipsToPixelsY(kLabelTop + kLabelHeightTwips, client);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setGeometry(places[i]);
        if (places[i].top() >= belowDescription) {
            mLegendLine.push_back({labels[i], places[i].top()});
        }
    }
}

PrintDocument AnalysisWindow::PrintDocumentOf(QDate printed) const {
    PrintDocument document =
        AnalysisPrintDocument(mAnalysis, mGrid, mHost.AnalysisHistory(), printed);
    if (const QString range = mHost.AnalysisRangeCaption(); !range.isEmpty()) {
        document.caption += QStringLiteral("　") + range;
    }
    // The comparison on screen is printed after the grid.
    if (ShowsChance()) {
        document.blocks.push_back(ChancePrintBlock(mChanceView->Grid()));
    }
    if (mTabs != nullptr) {
        mTabs->AddChartsTo(document);
    }
    return document;
}

void AnalysisWindow::Load() {
    HourglassCursor hourglass;
    if (!mLayout.yieldsAfterAnalysis) {
        ProcessPendingEvents();
    }
    mHost.SetBlocksEntry(*this, !mLayout.allowsManualEntry);
    setGeometry(TwipsToPixels(0, 0, mLayout.widthTwips, mLayout.heightTwips, *this));
    RunAnalysis();
    setGeometry(QRect(QPoint(0, 0), SizeWithinArea(*this, OpeningSize())));
    if (mLayout.yieldsAfterAnalysis) {
        ProcessPendingEvents();
    }
}

// The layout's size; a grid without scroll bars of its own is meant to be seen whole, and the
// window grows to show all its rows.
QSize AnalysisWindow::OpeningSize() const {
    QSize size = this->size();
    if (mGrid.GetScrollBars() == ScrollBars::None && mClient != nullptr) {
        const QWidget& client = *mClient;
        const int below = TwipsToPixelsY(kGapTwips, client) + mCloseButton->height() +
                          TwipsToPixelsX(kMarginTwips, client);
        const int clientHeight = mGridView->y() + mGridView->sizeHint().height() + below;
        const QMargins frame = contentsMargins();
        const int tabs = mTabs != nullptr ? mTabs->TabBarHeight() : 0;
        size.rheight() =
            std::max(size.height(), frame.top() + frame.bottom() + tabs + clientHeight);
    }
    return size;
}

// Room for the description, the grid's title rows and a few rows below them, and the buttons: the
// least a tiling leaves the window.
QSize AnalysisWindow::minimumSizeHint() const {
    const QWidget* client = mClient;
    if (client == nullptr || mCloseButton == nullptr) {
        return QMdiSubWindow::minimumSizeHint();
    }
    const int margin = TwipsToPixelsX(kMarginTwips, *client);
    const int gap = TwipsToPixelsY(kGapTwips, *client);
    const int bar = mGridView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mGridView);
    int gridHeight =
        2 * mGridView->frameWidth() + bar +
        (kLeastShownRows + mLayout.titleRows) * mGridView->verticalHeader()->defaultSectionSize();
    if (mGridView->horizontalHeader()->isVisibleTo(mGridView)) {
        gridHeight += mGridView->horizontalHeader()->height();
    }
    const QMargins margins = contentsMargins();
    const QSize frame(margins.left() + margins.right(),
                      margins.top() + margins.bottom() + (mTabs ? mTabs->TabBarHeight() : 0));
    const int gridTop = std::max(TwipsToPixelsY(kGridTop, *client), mGridView->y());
    return frame + QSize(2 * margin + 2 * mCloseButton->width() + gap,
                         gridTop + gridHeight + gap + mCloseButton->height() + margin);
}

// The user stays where the grid was scrolled to; one who was at the newest draw sees the newest
// draw again, which may be one that was just added.
void AnalysisWindow::Recompute() {
    HourglassCursor hourglass;
    const QPoint seen = mGridView->ScrollPosition();
    const bool atNewest = mLayout.titleRows > 0 && ShowsNewestDraw();
    mGrid = ResultGrid();
    RunAnalysis();
    if (ShowsChance()) {
        ShowChanceReport();
    }
    mGridView->ScrollTo(seen);
    if (atNewest) {
        ScrollToNewestDraw();
    }
}

void AnalysisWindow::RunAnalysis() {
    if (const auto& fill = ChosenFill()) {
        fill(mHost.AnalysisHistory(), mGrid);
    }
    const QString range = mHost.AnalysisRangeCaption();
    setWindowTitle(range.isEmpty() ? FromUtf8(mAnalysis.caption)
                                   : FromUtf8(mAnalysis.caption) + QStringLiteral("　") + range);
    mGridView->SetGrid(mGrid);
    if (mTabs != nullptr) {
        mTabs->ShowChartsOf(mAnalysis, mHost);
    }
    PlaceControls();
}

void AnalysisWindow::PlaceControls() {
    QWidget* client = mClient;
    if (client == nullptr || mCloseButton == nullptr) {
        return;  // still being built
    }
    if (mTabs != nullptr) {
        mTabs->FitTablePage();
    }
    const int margin = TwipsToPixelsX(kMarginTwips, *client);
    const int gap = TwipsToPixelsY(kGapTwips, *client);
    const int labelBottom = PlaceSummary(*client);
    PlaceLegendLine(labelBottom + gap / 4);

    // The grid shows its visible rows and columns where the window is large enough, and scrolls
    // within the window otherwise; the buttons sit right below it. A wrapped description or a
    // legend line below the description moves it down.
    int gridTop = std::max(TwipsToPixelsY(kGridTop, *client), labelBottom + gap / 2);
    for (const QLabel* control : client->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (control->y() >= labelBottom) {
            gridTop = std::max(gridTop, control->geometry().bottom() + 1 + gap / 2);
        }
    }
    const int buttonHeight = mCloseButton->height();
    const QSize room(client->width() - 2 * margin,
                     client->height() - gridTop - gap - buttonHeight - margin);
    QSize size = FitGridView(*mGridView, mGrid.GetScrollBars(), room, margin);
    mGridView->setGeometry(QRect(QPoint(margin, gridTop), size));
    if (mChanceView != nullptr) {
        // The comparison takes all the room the grid could have.
        mChanceView->setGeometry(QRect(QPoint(margin, gridTop), room.expandedTo(QSize(0, 0))));
        if (mChanceView->isVisibleTo(client)) {
            size = mChanceView->size();
        }
    }

    const int buttonTop = gridTop + size.height() + gap;
    // The order choice goes first on the button line; the buttons keep their places right of it.
    const int orderWidth = mOrderRow != nullptr ? mOrderRow->sizeHint().width() + gap : 0;
    int right = std::min(
        std::max(margin + size.width(), margin + orderWidth + 2 * mCloseButton->width() + gap),
        client->width() - margin);
    if (mChanceButton != nullptr) {
        // A grid too narrow for three buttons under it leaves them the window's width.
        int needed = margin + orderWidth + ShortChanceButtonWidth() + gap + mCloseButton->width();
        if (mPrintButton != nullptr) {
            needed += mPrintButton->width() + gap;
        }
        right = std::max(right, std::min(needed, client->width() - margin));
    }
    mCloseButton->move(right - mCloseButton->width(), buttonTop);
    if (mPrintButton != nullptr) {
        right -= mCloseButton->width() + gap;
        mPrintButton->move(right - mPrintButton->width(), buttonTop);
    }
    if (mOrderRow != nullptr) {
        mOrderRow->setGeometry(margin, buttonTop, orderWidth - gap, mCloseButton->height());
    }
    if (mChanceButton != nullptr) {
        const QPushButton& rightmost = mPrintButton != nullptr ? *mPrintButton : *mCloseButton;
        PlaceChanceButton(margin + orderWidth, rightmost.x() - gap, buttonTop);
    }
}

// The least width that shows the short caption of the 偶然との比較 button.
int AnalysisWindow::ShortChanceButtonWidth() const {
    constexpr int kPadding = 12;
    return mChanceButton->fontMetrics().horizontalAdvance(QStringLiteral("比較")) + kPadding;
}

// Left of the other buttons, at least as wide as they are; a window too narrow for its caption
// gets a short one, the whole caption as its tool tip.
void AnalysisWindow::PlaceChanceButton(int left, int right, int top) {
    const bool showing = mChanceView != nullptr && mChanceView->isVisibleTo(widget());
    const QString caption = showing ? QStringLiteral("表に戻る") : QStringLiteral("偶然との比較");
    mChanceButton->setText(caption);
    mChanceButton->setToolTip(caption);
    int width = std::max(mCloseButton->width(), mChanceButton->sizeHint().width());
    if (width > right - left) {
        mChanceButton->setText(showing ? QStringLiteral("表") : QStringLiteral("比較"));
        // The style's least width for a button is wider than two characters need.
        width = std::max(right - left, 0);
    }
    mChanceButton->setFixedWidth(width);
    mChanceButton->move(std::max(left, right - width), top);
}

// A legend line under the description moves down as far as a wrapped description needs.
void AnalysisWindow::PlaceLegendLine(int least) {
    if (mLegendLine.empty()) {
        return;
    }
    int top = mLegendLine.front().second;
    for (const auto& [control, laidOutTop] : mLegendLine) {
        top = std::min(top, laidOutTop);
    }
    const int shift = std::max(0, least - top);
    for (const auto& [control, laidOutTop] : mLegendLine) {
        control->move(control->x(), laidOutTop + shift);
    }
}

// The description sits where the window's legend leaves room for it, or across the window; a
// description wider than its room wraps to a second line. Returns its bottom edge.
int AnalysisWindow::PlaceSummary(QWidget& client) {
    const int left =
        TwipsToPixelsX(mLayout.summaryLeft >= 0 ? mLayout.summaryLeft : kMarginTwips, client);
    const int top =
        TwipsToPixelsY(mLayout.summaryTop >= 0 ? mLayout.summaryTop : kLabelTop, client);
    const int lineHeight = TwipsToPixelsY(kLabelHeightTwips, client);
    int room = mLayout.summaryWidth >= 0
                   ? TwipsToPixelsX(mLayout.summaryWidth, client)
                   : client.width() - left - TwipsToPixelsX(kMarginTwips, client);
    // The room ends before the first legend control on the same line.
    const QRect line(left, top, client.width(), lineHeight);
    for (const QLabel* control : client.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (control != mSummary && control->x() > left && control->geometry().intersects(line)) {
            room = std::min(room, control->x() - TwipsToPixelsX(kLegendGapTwips, client) - left);
        }
    }
    return PlaceWrappingLabel(*mSummary, QPoint(left, top), room, lineHeight).bottom();
}

// The last row that holds anything: a list sized by draw numbers ends in empty rows when its
// draws start late, as over a range of draws.
int AnalysisWindow::NewestDrawRow() const {
    for (int row = mGrid.RowCount(); row > mLayout.titleRows; --row) {
        if (!mGrid.CellText(1, row).empty()) {
            return row;
        }
    }
    return mGrid.RowCount();
}

bool AnalysisWindow::ShowsNewestDraw() const {
    if (mGridView->ShowsLastRow()) {
        return true;
    }
    const QModelIndex newest = mGridView->model()->index(NewestDrawRow() - 1, 0);
    return newest.isValid() &&
           mGridView->viewport()->rect().contains(mGridView->visualRect(newest).bottomLeft());
}

void AnalysisWindow::ScrollToNewestDraw() {
    const int row = NewestDrawRow();
    if (row >= mGrid.RowCount()) {
        mGridView->ScrollToLastRow();
        return;
    }
    mGridView->scrollTo(mGridView->model()->index(row - 1, 0), QAbstractItemView::PositionAtBottom);
}

// A list showing its newest draw goes on showing it at the new size (a tiling, the user).
void AnalysisWindow::resizeEvent(QResizeEvent* event) {
    const bool atNewest =
        mShownOnce && mLayout.titleRows > 0 && mGridView != nullptr && ShowsNewestDraw();
    QMdiSubWindow::resizeEvent(event);
    PlaceControls();
    if (atNewest) {
        ScrollToNewestDraw();
    }
}

// A list of draws opens at the newest draw, once the grid has its size.
void AnalysisWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!mShownOnce && mLayout.titleRows > 0) {
        ScrollToNewestDraw();
    }
    mShownOnce = true;
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    mHost.SetBlocksEntry(*this, false);
    QMdiSubWindow::closeEvent(event);
}

}  // namespace pirumo
