#include "prediction/ui/numbercheckwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/historyerror.h"
#include "history/store/tickettable.h"
#include "prediction/backtest/backtestexport.h"
#include "prediction/backtest/numbercheck.h"
#include "widgets/closebuttonrow.h"
#include "widgets/messageboxes.h"
#include "widgets/windowhost.h"

namespace pirumo {

NumberCheckWindow::NumberCheckWindow(WindowHost& host, std::filesystem::path historyFile)
    : mHost(host), mHistoryFile(std::move(historyFile)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("数字チェック"));
    setWindowTitle(QStringLiteral("数字チェック"));

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QLabel(
        QStringLiteral("1～31 の異なる数字を 5 つ入れると、これまでの全ての回で何等に当たって"
                       "いたかを調べます。"),
        client));
    auto* row = new QHBoxLayout();
    for (std::size_t i = 0; i < mNumbers.size(); ++i) {
        auto* field = new QLineEdit(client);
        field->setObjectName(QStringLiteral("numberField%1").arg(i + 1));
        field->setMaxLength(4);
        field->setFixedWidth(52);
        field->setAlignment(Qt::AlignCenter);
        connect(field, &QLineEdit::returnPressed, this, &NumberCheckWindow::Check);
        mNumbers[i] = field;
        row->addWidget(field);
    }
    auto* check = new QPushButton(QStringLiteral("照合"), client);
    check->setObjectName(QStringLiteral("checkButton"));
    connect(check, &QPushButton::clicked, this, &NumberCheckWindow::Check);
    row->addWidget(check);
    if (!mHistoryFile.empty()) {
        auto* save = new QPushButton(QStringLiteral("購入した数字に保存"), client);
        save->setObjectName(QStringLiteral("saveTicketButton"));
        connect(save, &QPushButton::clicked, this, &NumberCheckWindow::SaveTicket);
        row->addWidget(save);
    }
    row->addStretch(1);
    layout->addLayout(row);

    mResult = new QPlainTextEdit(client);
    mResult->setObjectName(QStringLiteral("resultText"));
    mResult->setReadOnly(true);
    mResult->setPlaceholderText(
        QStringLiteral("どの組合せも毎回同じ確率で当たります。1口が当たる確率は 1等 1 / 169,911、"
                       "2等 5 / 169,911、3等 125 / 169,911、4等 3,250 / 169,911 です。"));
    layout->addWidget(mResult, 1);

    AddCloseButtonRow(*layout, *client, *this);
    setWidget(client);
    resize(560, 520);
}

void NumberCheckWindow::Check() {
    std::vector<std::string> texts;
    for (const QLineEdit* field : mNumbers) {
        texts.push_back(field->text().toStdString());
    }
    try {
        const NumberCheckResult result = CheckNumbers(mHost.History(), ParseCheckNumbers(texts));
        mResult->setPlainText(QString::fromStdString(NumberCheckToText(result)));
    } catch (const NumberCheckError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
    }
}

void NumberCheckWindow::SaveTicket() {
    std::vector<std::string> texts;
    for (const QLineEdit* field : mNumbers) {
        texts.push_back(field->text().toStdString());
    }
    try {
        SavedTicket ticket;
        ticket.numbers = ParseCheckNumbers(texts);
        ticket.firstDraw = mHost.History().LastDrawNumber() + 1;
        ticket.lastDraw = ticket.firstDraw;
        const SavedTicket saved = AddSavedTicket(mHistoryFile, ticket);
        mHost.ShowStatusMessage(QStringLiteral("番号%1として購入した数字に保存しました：%2（%3）")
                                    .arg(saved.id)
                                    .arg(QString::fromStdString(DescribeTicketNumbers(saved)),
                                         QString::fromStdString(DescribeTicketDraws(saved))));
    } catch (const NumberCheckError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
    } catch (const HistoryError& error) {
        ShowRefusal(mHost.DialogParent(), QString::fromUtf8(error.what()));
    }
}

QString NumberCheckWindow::ResultText() const {
    return mResult->toPlainText();
}

}  // namespace pirumo
