#include "app/drawrangedialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "history/draw.h"

namespace pirumo {

namespace {

QSpinBox* DrawNumberBox(int value, const char* name, QWidget& parent) {
    auto* box = new QSpinBox(&parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setRange(1, kMaxDrawNumber);
    box->setValue(value);
    box->setPrefix(QStringLiteral("第"));
    box->setSuffix(QStringLiteral("回"));
    return box;
}

}  // namespace

DrawRangeDialog::DrawRangeDialog(int from, int to, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("drawRangeDialog"));
    setWindowTitle(QStringLiteral("分析範囲"));
    mFrom = DrawNumberBox(from, "fromBox", *this);
    mTo = DrawNumberBox(to, "toBox", *this);
    // The two ends stay in order whichever one the user moves.
    connect(mFrom, &QSpinBox::valueChanged, this, [this](int value) {
        if (mTo->value() < value) {
            mTo->setValue(value);
        }
    });
    connect(mTo, &QSpinBox::valueChanged, this, [this](int value) {
        if (mFrom->value() > value) {
            mFrom->setValue(value);
        }
    });
    auto* ends = new QHBoxLayout;
    ends->addWidget(mFrom);
    ends->addWidget(new QLabel(QStringLiteral("〜"), this));
    ends->addWidget(mTo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("分析する回の範囲を指定してください。"), this));
    layout->addLayout(ends);
    layout->addWidget(buttons);
}

int DrawRangeDialog::From() const {
    return mFrom->value();
}

int DrawRangeDialog::To() const {
    return mTo->value();
}

}  // namespace pirumo
