#include "widgets/messageboxes.h"

#include <QMessageBox>

#include "base/readablemessage.h"

namespace pirumo {

QString RefusalTitle() {
    return QStringLiteral("メッセ\uFF0Dジ");
}

void ShowRefusal(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, RefusalTitle(),
                          QString::fromStdString(ReadableMessage(text.toStdString())),
                          QMessageBox::Ok);
}

}  // namespace pirumo
