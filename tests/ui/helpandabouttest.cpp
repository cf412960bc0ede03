#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "analyses/analysiscatalog.h"
#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

class HelpAndAboutTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(3));
        Start();
    }
};

TEST_F(HelpAndAboutTest, AboutBoxIsModelessWithItsTextsAndClosesByItsCloseButton) {
    ModalAnswerer answerer;
    Choose("showAboutAction");
    auto* about = mMain->findChild<AboutBox*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(about->objectName(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("バージョン情報"));
    QStringList texts;
    for (QLabel* label : about->findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("ピルモ")));
    EXPECT_TRUE(texts.contains(QStringLiteral(" Ver2.30")));
    EXPECT_EQ(texts.size(), 5);  // name, version, notice, slogan, files
    const QString files = about->findChild<QLabel*>(QStringLiteral("filesLabel"))->text();
    EXPECT_TRUE(files.contains(QString::fromStdString(HistoryPath().string())))
        << files.toStdString();
    EXPECT_TRUE(files.contains(QStringLiteral("すぐ")));

    QPointer<AboutBox> box = about;
    auto* closeButton = about->findChild<QPushButton*>(QStringLiteral("closeButton"));
    ASSERT_NE(closeButton, nullptr);
    EXPECT_EQ(closeButton->text(), QStringLiteral("閉じる"));
    closeButton->click();
    FlushDeletes();
    EXPECT_TRUE(box.isNull());

    Choose("showAboutAction");
    EXPECT_NE(mMain->findChild<AboutBox*>(), nullptr);
}

// As at start-up, the prediction window is what the user comes back to, also from the About box,
// which is deleted on closing.
TEST_F(HelpAndAboutTest, ClosingHelpOrTheAboutBoxBringsThePredictionWindowBack) {
    auto* prediction = mMain->findChild<QMdiSubWindow*>(QStringLiteral("一発ガルポン"));
    ASSERT_NE(prediction, nullptr);
    for (const bool about : {false, true}) {
        SCOPED_TRACE(about ? "about" : "help");
        ASSERT_FALSE(prediction->isVisible());
        Choose(about ? "showAboutAction" : "showHelpAction");
        QWidget* other = about ? static_cast<QWidget*>(mMain->findChild<AboutBox*>())
                               : mMain->findChild<HelpWindow*>();
        ASSERT_NE(other, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(other));
        other->close();
        FlushDeletes();
        mMain->activateWindow();  // what the window manager does when the other window goes
        EXPECT_TRUE(QTest::qWaitFor([prediction] { return prediction->isVisible(); }));
        prediction->close();
    }
}

TEST_F(HelpAndAboutTest, HelpOpensOnTheIndexWithTheStartKeywordSelectedAndShown) {
    Choose("showHelpAction");
    auto* help = mMain->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* list = help->findChild<QListWidget*>(QStringLiteral("keywordList"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("ピルモについて"));
    auto* content = help->findChild<QTextBrowser*>(QStringLiteral("content"));
    EXPECT_TRUE(content->toPlainText().contains(QStringLiteral("ピルモ")));
}

TEST_F(HelpAndAboutTest, EveryKeywordHasAPageAndEveryWindowAKeyword) {
    Choose("showHelpAction");
    auto* help = mMain->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    auto* content = help->findChild<QTextBrowser*>(QStringLiteral("content"));
    const QStringList keywords = help->Keywords();
    for (const QString& keyword : keywords) {
        SCOPED_TRACE(keyword.toStdString());
        ASSERT_TRUE(help->ShowKeyword(keyword));
        EXPECT_GT(content->toPlainText().size(), 100);
    }
    for (const Analysis& description : Analyses()) {
        EXPECT_TRUE(keywords.contains(QString::fromUtf8(description.caption)))
            << description.caption;
    }
    for (const char* topic :
         {"一発ガルポン予想", "周期法", "消去法", "連発予想", "１発予想", "当選データの更新"}) {
        EXPECT_TRUE(keywords.contains(QString::fromUtf8(topic))) << topic;
    }
    EXPECT_FALSE(help->ShowKeyword(QStringLiteral("存在しないキーワード")));
}

}  // namespace
}  // namespace pirumo::test
