#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace pirumo::test {

// Answers the modal dialogs that appear while it lives, as a user would, so that a test never
// blocks on one: the given answers in turn (an empty one closes), then "close" (the escape
// button, the default button or reject).
// Records every dialog it saw.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget& dialog)>;

    struct Dialog {
        QString className;
        QString title;
        QString text;  // message boxes only
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        const QWidget* parent = nullptr;  // compared only, never used
    };

    explicit ModalAnswerer(std::vector<Answer> answers = {});

    const std::vector<Dialog>& Seen() const { return mSeen; }

private:
    void Poll();

    QTimer mTimer;
    std::deque<Answer> mAnswers;
    QPointer<QWidget> mLast;
    std::vector<Dialog> mSeen;
};

// Clicks the dialog's button with that caption.
ModalAnswerer::Answer ClickButton(const QString& caption);
// Chooses that file in a file dialog.
ModalAnswerer::Answer ChooseFile(const QString& path);

}  // namespace pirumo::test
