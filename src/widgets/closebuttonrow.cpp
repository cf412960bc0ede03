#include "widgets/closebuttonrow.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>

namespace pirumo {

void AddCloseButtonRow(QBoxLayout& layout, QWidget& client, QMdiSubWindow& window) {
    auto* close = new QPushButton(QStringLiteral("閉じる"), &client);
    close->setObjectName(QStringLiteral("closeButton"));
    QObject::connect(close, &QPushButton::clicked, &window, &QMdiSubWindow::close);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout.addLayout(buttons);
}

}  // namespace pirumo
