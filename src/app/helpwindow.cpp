#include "app/helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into the static UI library; referencing them keeps the linker from
// dropping them.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace pirumo {

namespace {

constexpr int kPageRole = Qt::UserRole + 1;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("ピルモ ヘルプ"));
    resize(900, 640);

    auto* splitter = new QSplitter(this);
    mTabs = new QTabWidget(splitter);
    auto* index = new QWidget(mTabs);
    auto* indexLayout = new QVBoxLayout(index);
    auto* prompt = new QLabel(QStringLiteral("キーワードを入力してください(&W):"), index);
    indexLayout->addWidget(prompt);
    mKeywordEdit = new QLineEdit(index);
    prompt->setBuddy(mKeywordEdit);
    mKeywordEdit->setObjectName(QStringLiteral("keywordEdit"));
    indexLayout->addWidget(mKeywordEdit);
    mKeywordList = new QListWidget(index);
    mKeywordList->setObjectName(QStringLiteral("keywordList"));
    indexLayout->addWidget(mKeywordList);
    auto* showButton = new QPushButton(QStringLiteral("表示(&D)"), index);
    indexLayout->addWidget(showButton, 0, Qt::AlignRight);
    mTabs->addTab(index, QStringLiteral("キーワード(&N)"));

    mContent = new QTextBrowser(splitter);
    mContent->setObjectName(QStringLiteral("content"));
    mContent->setSearchPaths({QStringLiteral(":/help")});
    mContent->setOpenExternalLinks(true);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &HelpWindow::close);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &HelpWindow::close);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    LoadIndex();
    connect(mKeywordEdit, &QLineEdit::textEdited, this, &HelpWindow::FindTypedKeyword);
    connect(mKeywordEdit, &QLineEdit::returnPressed, this,
            [this] { ShowItem(mKeywordList->currentItem()); });
    connect(mKeywordList, &QListWidget::itemActivated, this, &HelpWindow::ShowItem);
    connect(showButton, &QPushButton::clicked, this,
            [this] { ShowItem(mKeywordList->currentItem()); });
    ShowKeyword(StartKeyword());
}

QString HelpWindow::StartKeyword() {
    return QStringLiteral("ピルモについて");
}

// The index lists one keyword per line as "keyword<TAB>page".
void HelpWindow::LoadIndex() {
    QFile file(QStringLiteral(":/help/keywords.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2) {
            continue;
        }
        auto* item = new QListWidgetItem(fields[0].trimmed(), mKeywordList);
        item->setData(kPageRole, fields[1].trimmed());
    }
}

QStringList HelpWindow::Keywords() const {
    QStringList keywords;
    for (int i = 0; i < mKeywordList->count(); ++i) {
        keywords.append(mKeywordList->item(i)->text());
    }
    return keywords;
}

bool HelpWindow::ShowKeyword(const QString& keyword) {
    const auto found = mKeywordList->findItems(keyword, Qt::MatchExactly);
    if (found.isEmpty()) {
        return false;
    }
    mTabs->setCurrentIndex(0);
    mKeywordEdit->setText(keyword);
    ShowItem(found.constFirst());
    return true;
}

void HelpWindow::FindTypedKeyword(const QString& typed) {
    const auto found = mKeywordList->findItems(typed, Qt::MatchStartsWith);
    if (!found.isEmpty()) {
        mKeywordList->setCurrentItem(found.constFirst());
        mKeywordList->scrollToItem(found.constFirst(), QAbstractItemView::PositionAtTop);
    }
}

void HelpWindow::ShowItem(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    mKeywordList->setCurrentItem(item);
    mContent->setSource(QUrl(QStringLiteral("qrc:/help/") + item->data(kPageRole).toString()));
}

}  // namespace pirumo
