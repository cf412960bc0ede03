#pragma once

#include <QDialog>

class QSpinBox;

namespace pirumo {

// Asks for 第A回〜第B回: two draw numbers, the first not after the second.
class DrawRangeDialog : public QDialog {
    Q_OBJECT

public:
    DrawRangeDialog(int from, int to, QWidget* parent);

    int From() const;
    int To() const;

private:
    QSpinBox* mFrom = nullptr;
    QSpinBox* mTo = nullptr;
};

}  // namespace pirumo
