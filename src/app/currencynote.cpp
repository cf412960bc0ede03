#include "app/currencynote.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "history/drawcalendar.h"

namespace pirumo {

CurrencyNote::CurrencyNote(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("currencyNote"));
    mOutOfDate = new QLabel(this);
    mOutOfDate->setObjectName(QStringLiteral("outOfDateLabel"));
    mOutOfDate->setStyleSheet(QStringLiteral("color: #b00000;"));
    mRefresh = new QPushButton(QStringLiteral("最新化"), this);
    mRefresh->setObjectName(QStringLiteral("refreshNowButton"));
    mNewest = new QLabel(this);
    mNewest->setObjectName(QStringLiteral("newestDrawLabel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mOutOfDate);
    layout->addWidget(mRefresh);
    layout->addWidget(mNewest);
    connect(mRefresh, &QPushButton::clicked, this, &CurrencyNote::refreshRequested);
}

void CurrencyNote::Show(const DrawHistory& history, std::chrono::sys_days today) {
    mNewest->setText(QString::fromStdString(NewestDrawText(history)));
    const QString note = QString::fromStdString(OutOfDateNote(history, today));
    mOutOfDate->setText(note);
    mOutOfDate->setVisible(!note.isEmpty());
    mRefresh->setVisible(!note.isEmpty());
}

}  // namespace pirumo
