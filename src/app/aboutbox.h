#pragma once

#include <QDialog>

namespace pirumo {

// The About box バージョン情報: product name, version, a notice and a slogan; modeless.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace pirumo
