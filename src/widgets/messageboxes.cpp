#include "widgets/messageboxes.h"

#include <QMessageBox>

namespace pirumo {

QString RefusalTitle() {
    return QStringLiteral("メッセ\uFF0Dジ");
}

void ShowRefusal(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, RefusalTitle(), text, QMessageBox::Ok);
}

}  // namespace pirumo
