#include "history/ui/downloadrefresh.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "../core/historybodies.h"
#include "../net/localhttpserver.h"
#include "analyses/ui/analysiswindow.h"
#include "history/store/historyfile.h"
#include "isolation/isolatedaccessreader.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;
using test::HttpAnswer;
using test::ReadFileBytes;
using test::SomeDraws;

// What one message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QStringList captions;
};

// Stands in for the user: records every message box the refresh opens and presses the button
// `answer` picks; presses the progress dialog's cancel button when told to.
class User {
public:
    User() {
        QObject::connect(&mPoll, &QTimer::timeout, [this] { Look(); });
        mPoll.start(10);
    }
    std::function<QMessageBox::StandardButton(const SeenBox&)> answer = [](const SeenBox&) {
        return QMessageBox::Ok;
    };
    bool cancelProgress = false;
    bool sawProgress = false;
    std::vector<SeenBox> seen;

private:
    void Look() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) {
                continue;
            }
            if (auto* progress = qobject_cast<QProgressDialog*>(w)) {
                sawProgress = true;
                if (cancelProgress) {
                    progress->findChild<QPushButton*>()->click();
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
                SeenBox s{box->windowTitle(),
                          box->text(),
                          box->icon(),
                          box->standardButtons(),
                          box->defaultButton() ? box->standardButton(box->defaultButton())
                                               : QMessageBox::NoButton,
                          {}};
                for (const QAbstractButton* button : box->buttons()) {
                    s.captions << button->text();
                }
                seen.push_back(s);
                box->button(answer(s))->click();
            }
        }
    }
    QTimer mPoll;
};

class DownloadRefreshTest : public ::testing::Test {
protected:
    fs::path Target() const { return mFolder.Path() / "Pirumo.mdb"; }

    // The history the refresh gave back, which the file must hold.
    std::optional<DrawHistory> Refresh(const std::string& path, TransferLimits limits = {}) {
        const IsolatedAccessReader access(PIRUMO_CLI_PATH);
        DownloadRefresh refresh(nullptr, Target(), access);
        refresh.SetUrl(mServer.Url(path));
        refresh.SetLimits(limits);
        std::optional<DrawHistory> refreshed = refresh.Run();
        if (refreshed) {
            EXPECT_EQ(refreshed->Rows(), ReadHistoryRows(Target()));
        }
        return refreshed;
    }

    test::TempFolder mFolder;
    test::LocalHttpServer mServer;
    User mUser;
};

TEST_F(DownloadRefreshTest, ReplacesTheHistoryAndNamesTheDrawsItAdded) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    mServer.Serve("/file", test::Serving(test::HistoryFileBytes(SomeDraws(12))));
    EXPECT_TRUE(Refresh("/file"));
    ASSERT_EQ(mUser.seen.size(), 1u);
    const SeenBox& done = mUser.seen[0];
    EXPECT_EQ(done.title, QStringLiteral("ピルモ"));
    EXPECT_EQ(done.text, QStringLiteral("第11回と第12回を追加しました。"));
    EXPECT_EQ(done.icon, QMessageBox::NoIcon);
    EXPECT_EQ(done.buttons, QMessageBox::Ok);
    EXPECT_EQ(ReadHistoryRows(Target()), SomeDraws(12));

    // The same download again brings nothing new and leaves the file alone.
    const std::string refreshed = ReadFileBytes(Target());
    mUser.seen.clear();
    EXPECT_FALSE(Refresh("/file"));
    ASSERT_EQ(mUser.seen.size(), 1u);
    EXPECT_EQ(mUser.seen[0].text, QStringLiteral("新しい回はありません（最新 第12回）。"));
    EXPECT_EQ(ReadFileBytes(Target()), refreshed);
}

// Draw 13 arrives, but 11 and 12, entered by hand, are skipped: one question says both.
TEST_F(DownloadRefreshTest, AsksBeforeSkippingOrDroppingLocalDrawsWithNoAsTheDefault) {
    ReplaceHistoryFile(Target(), SomeDraws(12));
    const std::string old = ReadFileBytes(Target());
    std::vector<Draw> skipping = SomeDraws(10);
    skipping.push_back(SomeDraws(13).back());
    mServer.Serve("/skipping", test::Serving(test::HistoryFileBytes(skipping)));

    mUser.answer = [](const SeenBox&) { return QMessageBox::No; };
    EXPECT_FALSE(Refresh("/skipping"));
    ASSERT_EQ(mUser.seen.size(), 1u);
    const SeenBox& question = mUser.seen[0];
    EXPECT_EQ(question.icon, QMessageBox::Warning);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::No);
    EXPECT_EQ(question.captions,
              QStringList({QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));
    EXPECT_TRUE(question.text.startsWith(
        QStringLiteral("受信したデータは途中の回が抜けています: 第11回〜第12回（2 回分）\n")))
        << question.text.toStdString();
    EXPECT_TRUE(question.text.contains(QStringLiteral("次の 2 回分")))
        << question.text.toStdString();
    EXPECT_EQ(ReadFileBytes(Target()), old);

    mUser.seen.clear();
    mUser.answer = [](const SeenBox& box) {
        return box.buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok;
    };
    Refresh("/skipping");
    ASSERT_EQ(mUser.seen.size(), 2u);
    EXPECT_EQ(mUser.seen[1].text, QStringLiteral("第13回を追加しました。"));
    EXPECT_EQ(ReadHistoryRows(Target()), skipping);
}

TEST_F(DownloadRefreshTest, ReportsFailuresAndLeavesTheFileAsItWas) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    mServer.Serve("/gone", test::Error(404, "Not Found"));
    Refresh("/gone");
    ASSERT_EQ(mUser.seen.size(), 1u);
    const SeenBox& failure = mUser.seen[0];
    EXPECT_EQ(failure.title, QStringLiteral("メッセ\uFF0Dジ"));
    EXPECT_EQ(failure.icon, QMessageBox::Critical);
    EXPECT_TRUE(failure.text.contains(QStringLiteral("HTTP 404")));
    EXPECT_TRUE(failure.text.contains(QStringLiteral("変更していません")));
    EXPECT_EQ(ReadFileBytes(Target()), old);
}

TEST_F(DownloadRefreshTest, CancelInTheProgressDialogChangesNothing) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    mServer.Serve("/stall",
                  test::Serving(test::HistoryFileBytes(SomeDraws(12)), HttpAnswer::Kind::kStall));
    mUser.cancelProgress = true;
    Refresh("/stall");
    EXPECT_TRUE(mUser.sawProgress);
    EXPECT_TRUE(mUser.seen.empty());
    EXPECT_EQ(ReadFileBytes(Target()), old);
}

TEST_F(DownloadRefreshTest, AMissingTargetGetsTheUsualNotice) {
    Refresh("/never-asked");
    ASSERT_EQ(mUser.seen.size(), 1u);
    EXPECT_EQ(mUser.seen[0].text, QStringLiteral("当選データファイル：'") +
                                      QString::fromStdString(Target().string()) +
                                      QStringLiteral("'が存在しません"));
    EXPECT_EQ(mUser.seen[0].title, QStringLiteral("ピルモ"));
    EXPECT_EQ(mUser.seen[0].buttons, QMessageBox::Ok);
    EXPECT_FALSE(mUser.sawProgress);
    EXPECT_FALSE(fs::exists(Target()));
}

// Through the menu items of a running main window: the user sets the source, the refresh uses
// it, and the open analysis shows the new draws at once.
class DownloadMenuTest : public test::MainWindowTest {
protected:
    void TearDown() override {
        qunsetenv("PIRUMO_DOWNLOAD_URL");
        MainWindowTest::TearDown();
    }

    // Chooses the source item and types `url` into its dialog; returns the message boxes seen.
    std::vector<test::ModalAnswerer::Dialog> SetSource(const QString& url) {
        test::ModalAnswerer answerer({[url](QWidget& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("refreshSourceUrl"));
            ASSERT_NE(edit, nullptr);
            edit->setText(url);
            // Queued: a refusal opens its own box, which this answerer must be free to see.
            auto* source = qobject_cast<QDialog*>(&dialog);
            QTimer::singleShot(0, source, [source] { source->accept(); });
        }});
        Choose("setRefreshSourceAction");
        return answerer.Seen();
    }

    test::LocalHttpServer mServer;
};

TEST_F(DownloadMenuTest, TheSourceSetInTheMenuServesTheRefreshAndTheDrawsAreUsedAtOnce) {
    qunsetenv("PIRUMO_DOWNLOAD_URL");
    WriteHistory(SomeDraws(10));
    MainWindow& main = Start();
    auto* analysis = qobject_cast<AnalysisWindow*>(ChooseWindow("openAppearanceCountAction"));
    ASSERT_NE(analysis, nullptr);
    const int rowsBefore = analysis->Grid().RowCount();
    {
        test::ModalAnswerer answerer;
        Choose("refreshHistoryAction");
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("「最新化のURL設定」")));
    }

    const auto refused = SetSource(QStringLiteral("ftp://example.jp/a.csv"));
    ASSERT_EQ(refused.size(), 3u);  // the dialog, the refusal, the dialog left open
    EXPECT_TRUE(refused[1].text.contains(QStringLiteral("http://")));
    EXPECT_FALSE(fs::exists(mFolder.Path() / "ピルモ.ini"));

    mServer.Serve("/results", test::Serving(test::HistoryFileBytes(SomeDraws(12))));
    SetSource(QString::fromStdString(mServer.Url("/results")));
    {
        User user;
        Choose("refreshHistoryAction");
        ASSERT_FALSE(user.seen.empty());
        EXPECT_EQ(user.seen.back().text, QStringLiteral("第11回と第12回を追加しました。"));
    }
    EXPECT_EQ(ReadHistoryRows(HistoryPath()), SomeDraws(12));
    EXPECT_EQ(main.History().LastDrawNumber(), 12);
    EXPECT_EQ(analysis->Grid().RowCount(), rowsBefore + 2);
}

}  // namespace
}  // namespace pirumo
