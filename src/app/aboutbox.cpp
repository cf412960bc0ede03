#include "app/aboutbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

#include "widgets/twips.h"

namespace pirumo {

namespace {

QLabel* AddLabel(QWidget& box, QVBoxLayout& layout, const char* name, const QString& text) {
    auto* label = new QLabel(text, &box);
    label->setObjectName(QString::fromUtf8(name));
    layout.addWidget(label);
    return label;
}

// The full path, as the user would look for the file.
QString PathText(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(file, ignored);
    return QString::fromStdString((full.empty() ? file : full).string());
}

}  // namespace

AboutBox::AboutBox(const std::filesystem::path& historyFile,
                   const std::filesystem::path& settingsFile, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("バージョン情報"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixelsX(360, *this), TwipsToPixelsY(240, *this),
                               TwipsToPixelsX(360, *this), TwipsToPixelsY(240, *this));
    QLabel* product = AddLabel(*this, *layout, "productNameLabel", QStringLiteral("ピルモ"));
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2.0);
    productFont.setBold(true);
    product->setFont(productFont);
    AddLabel(*this, *layout, "versionLabel", QStringLiteral(" Ver2.30"));
    layout->addSpacing(TwipsToPixelsY(180, *this));
    QLabel* notice =
        AddLabel(*this, *layout, "noticeLabel",
                 QStringLiteral(
                     "本ソフトウェアの分析と予想は過去の当選データにもとづく参考情報です。\n"
                     "当選を保証するものではありません。ロトは無理のない範囲でお楽しみください。"));
    notice->setWordWrap(true);
    AddLabel(*this, *layout, "sloganLabel",
             QStringLiteral("数字の流れを読んで、次の一回を楽しく。"));
    layout->addSpacing(TwipsToPixelsY(180, *this));
    QLabel* files = AddLabel(
        *this, *layout, "filesLabel",
        QStringLiteral("当選データ：%1\n設定：%2\n"
                       "当選データ入力で入力した数字は、そのたびにすぐ当選データのファイルへ"
                       "書き込まれます。")
            .arg(PathText(historyFile), PathText(settingsFile)));
    files->setWordWrap(true);
    files->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addSpacing(TwipsToPixelsY(180, *this));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(closeButton, &QPushButton::clicked, this, &AboutBox::close);

    setFixedSize(sizeHint());
}

}  // namespace pirumo
