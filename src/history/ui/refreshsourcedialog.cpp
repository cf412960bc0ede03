#include "history/ui/refreshsourcedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/historyerror.h"
#include "history/refresh/downloadsource.h"
#include "widgets/messageboxes.h"

namespace pirumo {

RefreshSourceDialog::RefreshSourceDialog(std::filesystem::path settingsFile, QWidget* parent)
    : QDialog(parent), mSettingsFile(std::move(settingsFile)) {
    setObjectName(QStringLiteral("refreshSourceDialog"));
    setWindowTitle(QStringLiteral("最新化のURL設定"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("「当選データ最新化」で当選データを受け取るURLを入力してください。\n"
                       "当選データを公開している CSV ファイル（取り込みと同じ形式）、"
                       "ピルモの当選データファイル、Access ファイルのURLが使えます。\n"
                       "空にして OK を押すと設定を消します。"),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    mUrl = new QLineEdit(QString::fromStdString(ReadRefreshSource(mSettingsFile)), this);
    mUrl->setObjectName(QStringLiteral("refreshSourceUrl"));
    mUrl->setMinimumWidth(480);
    mUrl->setPlaceholderText(QStringLiteral("https://example.jp/miniloto.csv"));
    layout->addWidget(mUrl);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void RefreshSourceDialog::accept() {
    try {
        SaveRefreshSource(mSettingsFile, mUrl->text().trimmed().toStdString());
    } catch (const HistoryError& error) {
        ShowRefusal(this, QString::fromUtf8(error.what()));
        mUrl->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace pirumo
