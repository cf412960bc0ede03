#include "prediction/ui/ticketswindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/historyerror.h"
#include "history/store/tickettable.h"
#include "prediction/backtest/numbercheck.h"
#include "prediction/tickets/ticketledgerchart.h"
#include "prediction/tickets/ticketledgerexport.h"
#include "print/analysisprint.h"
#include "print/ui/printpreview.h"
#include "widgets/chartpane.h"
#include "widgets/closebuttonrow.h"
#include "widgets/gridview.h"
#include "widgets/messageboxes.h"
#include "widgets/windowhost.h"

namespace pirumo {

namespace {

// The choices of the draw combo box, in its order.
enum DrawChoice { kNextDraw = 0, kOneDraw, kEveryDrawFrom };

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TicketsWindow::TicketsWindow(WindowHost& host, std::filesystem::path historyFile)
    : mHost(host), mHistoryFile(std::move(historyFile)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("購入した数字"));
    setWindowTitle(QStringLiteral("購入した数字"));

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(CreateTicketArea());
    layout->addWidget(CreateLedgerArea(), 1);
    AddCloseButtonRow(*layout, *client, *this);
    setWidget(client);
    resize(860, 640);
    // Another window (数字チェック) may have saved a ticket while this one was in the back.
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if (!before.testFlag(Qt::WindowActive) && now.testFlag(Qt::WindowActive)) {
                    ReloadIfTicketsChanged();
                }
            });
    Reload();
}

QWidget* TicketsWindow::CreateTicketArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout();
    for (std::size_t i = 0; i < mNumbers.size(); ++i) {
        auto* field = new QLineEdit(area);
        field->setObjectName(QStringLiteral("numberField%1").arg(i + 1));
        field->setMaxLength(4);
        field->setFixedWidth(52);
        field->setAlignment(Qt::AlignCenter);
        connect(field, &QLineEdit::returnPressed, this, &TicketsWindow::AddTicket);
        mNumbers[i] = field;
        row->addWidget(field);
    }
    mDrawChoice = new QComboBox(area);
    mDrawChoice->setObjectName(QStringLiteral("drawChoice"));
    mDrawChoice->addItems(
        {QStringLiteral("次の回"), QStringLiteral("この回だけ"), QStringLiteral("この回から毎回")});
    row->addWidget(mDrawChoice);
    mDrawNumber = new QSpinBox(area);
    mDrawNumber->setObjectName(QStringLiteral("drawNumberSpin"));
    mDrawNumber->setRange(1, kMaxDrawNumber);
    mDrawNumber->setPrefix(QStringLiteral("第"));
    mDrawNumber->setSuffix(QStringLiteral("回"));
    mDrawNumber->setEnabled(false);
    connect(mDrawChoice, &QComboBox::currentIndexChanged, this,
            [this](int choice) { mDrawNumber->setEnabled(choice != kNextDraw); });
    row->addWidget(mDrawNumber);
    auto* add = new QPushButton(QStringLiteral("追加"), area);
    add->setObjectName(QStringLiteral("addTicketButton"));
    connect(add, &QPushButton::clicked, this, &TicketsWindow::AddTicket);
    row->addWidget(add);
    row->addStretch(1);
    layout->addLayout(row);

    mTicketTable = new QTableWidget(0, 3, area);
    mTicketTable->setObjectName(QStringLiteral("ticketTable"));
    mTicketTable->setHorizontalHeaderLabels(
        {QStringLiteral("番号"), QStringLiteral("数字"), QStringLiteral("購入した回")});
    mTicketTable->verticalHeader()->hide();
    mTicketTable->horizontalHeader()->setStretchLastSection(true);
    mTicketTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTicketTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTicketTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTicketTable->setMaximumHeight(160);
    layout->addWidget(mTicketTable);
    auto* remove = new QPushButton(QStringLiteral("選んだ数字を削除"), area);
    remove->setObjectName(QStringLiteral("removeTicketButton"));
    connect(remove, &QPushButton::clicked, this, &TicketsWindow::RemoveSelectedTicket);
    auto* removeRow = new QHBoxLayout();
    removeRow->addWidget(remove);
    removeRow->addStretch(1);
    layout->addLayout(removeRow);
    return area;
}

QWidget* TicketsWindow::CreateLedgerArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new QTabWidget(area);
    tabs->setObjectName(QStringLiteral("ledgerTabs"));
    mLedgerView = new GridView(tabs);
    mLedgerView->setObjectName(QStringLiteral("ledgerGrid"));
    tabs->addTab(mLedgerView, QStringLiteral("収支"));
    mChart = new ChartPane(tabs);
    mChart->setMinimumSize(420, 240);
    mChart->setObjectName(QStringLiteral("ledgerChart"));
    tabs->addTab(mChart, QStringLiteral("グラフ"));
    layout->addWidget(tabs, 1);
    auto* print = new QPushButton(QStringLiteral("印刷"), area);
    print->setObjectName(QStringLiteral("printButton"));
    connect(print, &QPushButton::clicked, this,
            [this] { OpenPrintPreview(PrintDocumentOf(QDate::currentDate()), this); });
    mSummary = new QLabel(area);
    mSummary->setObjectName(QStringLiteral("ledgerSummary"));
    mSummary->setWordWrap(true);
    mSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* summaryRow = new QHBoxLayout();
    summaryRow->addWidget(mSummary, 1);
    summaryRow->addWidget(print, 0, Qt::AlignTop);
    layout->addLayout(summaryRow);
    return area;
}

void TicketsWindow::Reload() {
    try {
        mTickets = ReadSavedTickets(mHistoryFile);
    } catch (const HistoryError& error) {
        mTickets.clear();
        mSummary->setText(QStringLiteral("購入した数字を読み込めません。%1")
                              .arg(QString::fromUtf8(error.what())));
        return;
    }
    mLedger = MakeTicketLedger(mHost.History(), mTickets);
    ShowTickets();
    mLedgerGrid = TicketLedgerGrid(mLedger, YenStyle::kReadable);
    mLedgerView->SetGrid(mLedgerGrid);
    mLedgerView->SetFrozenRows(1);   // the titles stay above the scrolling draws
    mLedgerView->ScrollToLastRow();  // the newest draws and the total matter most
    mChart->Show([this] { return std::vector<Chart>{TicketLedgerChart(mLedger)}; });
    mSummary->setText(FromUtf8(TicketLedgerSummary(mLedger)).trimmed());
    mDrawNumber->setValue(std::min(mHost.History().LastDrawNumber() + 1, kMaxDrawNumber));
}

// The view has its size only once shown: the newest draws come into view then.
void TicketsWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    mLedgerView->ScrollToLastRow();
}

void TicketsWindow::ReloadIfTicketsChanged() {
    try {
        if (ReadSavedTickets(mHistoryFile) == mTickets) {
            return;
        }
    } catch (const HistoryError&) {
        // Reload says what is wrong.
    }
    Reload();
}

PrintDocument TicketsWindow::PrintDocumentOf(QDate printed) const {
    PrintDocument document{
        QStringLiteral("購入した数字と収支"), CoverageText(mHost.History()), printed, {}};
    PrintBlock tickets;
    tickets.lines.push_back({QStringLiteral("購入した数字"), true});
    for (const SavedTicket& ticket : mTickets) {
        tickets.lines.push_back({QStringLiteral("番号%1　%2　%3")
                                     .arg(ticket.id)
                                     .arg(FromUtf8(DescribeTicketNumbers(ticket)),
                                          FromUtf8(DescribeTicketDraws(ticket)))});
    }
    document.blocks.push_back(std::move(tickets));
    PrintBlock ledger;
    ledger.lines.push_back({QStringLiteral("収支"), true});
    for (const QString& line : FromUtf8(TicketLedgerSummary(mLedger)).trimmed().split(u'\n')) {
        ledger.lines.push_back({line});
    }
    ledger.grid = &mLedgerGrid;
    ledger.titleRows = 1;
    document.blocks.push_back(std::move(ledger));
    return document;
}

void TicketsWindow::ShowTickets() {
    mTicketTable->setRowCount(static_cast<int>(mTickets.size()));
    for (int r = 0; r < static_cast<int>(mTickets.size()); ++r) {
        const SavedTicket& ticket = mTickets[static_cast<std::size_t>(r)];
        const QString texts[] = {QString::number(ticket.id),
                                 FromUtf8(DescribeTicketNumbers(ticket)),
                                 FromUtf8(DescribeTicketDraws(ticket))};
        for (int c = 0; c < 3; ++c) {
            mTicketTable->setItem(r, c, new QTableWidgetItem(texts[c]));
        }
    }
    mTicketTable->resizeColumnsToContents();
}

void TicketsWindow::AddTicket() {
    std::vector<std::string> texts;
    for (const QLineEdit* field : mNumbers) {
        texts.push_back(field->text().toStdString());
    }
    SavedTicket ticket;
    try {
        ticket.numbers = ParseCheckNumbers(texts);
    } catch (const NumberCheckError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
        return;
    }
    const int choice = mDrawChoice->currentIndex();
    ticket.firstDraw =
        choice == kNextDraw ? mHost.History().LastDrawNumber() + 1 : mDrawNumber->value();
    if (choice != kEveryDrawFrom) {
        ticket.lastDraw = ticket.firstDraw;
    }
    try {
        const SavedTicket saved = AddSavedTicket(mHistoryFile, ticket);
        mHost.ShowStatusMessage(
            QStringLiteral("番号%1として保存しました：%2（%3）")
                .arg(saved.id)
                .arg(FromUtf8(DescribeTicketNumbers(saved)), FromUtf8(DescribeTicketDraws(saved))));
    } catch (const HistoryError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
        return;
    }
    for (QLineEdit* field : mNumbers) {
        field->clear();
    }
    Reload();
}

void TicketsWindow::RemoveSelectedTicket() {
    const int row = mTicketTable->currentRow();
    if (row < 0 || row >= static_cast<int>(mTickets.size())) {
        ShowRefusal(mHost.DialogParent(), QStringLiteral("削除する数字を一覧で選んでください。"));
        return;
    }
    const int id = mTickets[static_cast<std::size_t>(row)].id;
    try {
        const int newest = mHost.History().LastDrawNumber();
        mHost.ShowStatusMessage(
            RemoveSavedTicket(mHistoryFile, id, newest) == TicketRemoval::kEnded
                ? QStringLiteral("番号%1の購入を第%2回までとしました。").arg(id).arg(newest)
                : QStringLiteral("番号%1を削除しました。").arg(id));
    } catch (const HistoryError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
    }
    Reload();
}

}  // namespace pirumo
