#include "modalanswerer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QPushButton>

namespace pirumo::test {

ModalAnswerer::ModalAnswerer(std::vector<Answer> answers)
    : mAnswers(answers.begin(), answers.end()) {
    connect(&mTimer, &QTimer::timeout, this, &ModalAnswerer::Poll);
    mTimer.start(5);
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == mLast) {
        return;
    }
    mLast = modal;
    Dialog seen;
    seen.className = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    seen.parent = modal->parentWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
    }
    mSeen.push_back(seen);

    if (!mAnswers.empty()) {
        Answer answer = std::move(mAnswers.front());
        mAnswers.pop_front();
        if (answer) {
            answer(*modal);
            return;
        }
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->escapeButton();
        if (button == nullptr) {
            button = box->defaultButton();
        }
        if (button == nullptr && !box->buttons().isEmpty()) {
            button = box->buttons().constFirst();
        }
        if (button != nullptr) {
            button->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    }
}

ModalAnswerer::Answer ClickButton(const QString& caption) {
    return [caption](QWidget& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString();
        if (auto* box = qobject_cast<QDialog*>(&dialog)) {
            box->reject();
        }
    };
}

ModalAnswerer::Answer ChooseFile(const QString& path) {
    return [path](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (files == nullptr) {
            return;
        }
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();  // accept() is protected in QFileDialog
    };
}

}  // namespace pirumo::test
