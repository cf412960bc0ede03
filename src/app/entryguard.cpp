#include "app/entryguard.h"

#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace pirumo {

bool CloseWindowsForEntry(QWidget* parent, const QList<QMdiSubWindow*>& blocking) {
    if (blocking.isEmpty()) {
        return true;
    }
    QStringList titles;
    for (const QMdiSubWindow* window : blocking) {
        titles << QStringLiteral("「%1」").arg(window->windowTitle());
    }
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("ピルモ"),
        QStringLiteral(
            "当選データを入力する間は、分析と予想のウィンドウを閉じておく必要があります。\n"
            "開いているウィンドウ：%1\n\n"
            "入力を終えて閉じると、分析と予想は新しい当選データで計算し直します。")
            .arg(titles.join(QStringLiteral("、"))),
        QMessageBox::NoButton, parent);
    QPushButton* closeAndEnter =
        box.addButton(QStringLiteral("開いているウィンドウを閉じて入力"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(closeAndEnter);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() != closeAndEnter) {
        return false;
    }
    for (QMdiSubWindow* window : blocking) {
        window->close();
    }
    return true;
}

}  // namespace pirumo
