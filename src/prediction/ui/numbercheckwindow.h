#pragma once

#include <QMdiSubWindow>
#include <array>

#include "history/drawhistory.h"

class QLineEdit;
class QPlainTextEdit;

namespace pirumo {

// 数字チェック: five numbers of the user's against every draw of the history, with the odds.
class NumberCheckWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit NumberCheckWindow(DrawHistory history, QWidget* parent = nullptr);

    // Checks the five fields; wrong input is refused with a message and changes nothing.
    void Check();

    QLineEdit* NumberField(int index) const { return mNumbers[static_cast<std::size_t>(index)]; }
    QString ResultText() const;

private:
    DrawHistory mHistory;
    std::array<QLineEdit*, 5> mNumbers{};
    QPlainTextEdit* mResult = nullptr;
};

}  // namespace pirumo
