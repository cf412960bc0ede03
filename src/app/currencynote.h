#pragma once

#include <QWidget>
#include <chrono>

#include "history/drawhistory.h"

class QLabel;
class QPushButton;

namespace pirumo {

// The status bar's word on how current the history is: the newest draw always, and while that
// draw is more than eight days old, a note saying so beside a button that refreshes at once.
class CurrencyNote : public QWidget {
    Q_OBJECT

public:
    explicit CurrencyNote(QWidget* parent = nullptr);

    void Show(const DrawHistory& history, std::chrono::sys_days today);

signals:
    void refreshRequested();

private:
    QLabel* mNewest = nullptr;
    QLabel* mOutOfDate = nullptr;
    QPushButton* mRefresh = nullptr;
};

}  // namespace pirumo
