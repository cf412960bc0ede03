#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QEventLoop>
#include <QProcess>

#include <csignal>
#include <iterator>

#include "../core/historybodies.h"
#include "history/import/accessrows.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "localhttpserver.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;
using test::HistoryFileBytes;
using test::HttpAnswer;
using test::ReadFileBytes;
using test::SomeDraws;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli while this process's event loop keeps the local server answering.
class UpdateCommandTest : public ::testing::Test {
protected:
    fs::path Target() const { return mFolder.Path() / "Pirumo.mdb"; }
    // Outside mFolder, which must hold the history alone.
    fs::path Settings() const { return mSettingsFolder.Path() / "ピルモ.ini"; }

    CliRun Update(const std::string& path, QStringList extra = {},
                  const std::function<void()>& childSetup = {}) {
        QStringList args{QStringLiteral("--db"), QString::fromStdString(Target().string()),
                         QStringLiteral("update"), QStringLiteral("--ini"),
                         QString::fromStdString(Settings().string())};
        if (!path.empty()) {
            args << QStringLiteral("--url") << QString::fromStdString(mServer.Url(path));
        }
        return Run(args + extra, childSetup);
    }

    CliRun Run(const QStringList& args, const std::function<void()>& childSetup = {},
               const QProcessEnvironment& environment = CleanEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (childSetup) {
            process.setChildProcessModifier(childSetup);
        }
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        process.start(QStringLiteral(PIRUMO_CLI_PATH), args);
        loop.exec();
        CliRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    static QProcessEnvironment CleanEnvironment() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("PIRUMO_DOWNLOAD_URL"));
        return environment;
    }

    // Every refused refresh leaves the folder as it was: the same file, no backup, no leftovers.
    void ExpectUntouched(const std::string& old) {
        EXPECT_EQ(ReadFileBytes(Target()), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(mFolder.Path()), fs::directory_iterator()),
                  1);
    }

    test::TempFolder mFolder;
    test::TempFolder mSettingsFolder;
    test::LocalHttpServer mServer;
};

// The bundled results as published, with `more` lines appended; their prize columns come after
// the bonus (kNoPrizes for a draw whose payouts are not out yet).
constexpr const char* kNoPrizes = ",,,,,,,,";
std::string BundledCsvWith(const std::string& more) {
    std::string csv = ReadFileBytes(test::RealHistoryCsv());
    return csv + more;
}

TEST_F(UpdateCommandTest, ReplacesTheHistoryAndKeepsABackup) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    mServer.Serve("/download/Pirumo/Pirumo.mdb", test::Serving(HistoryFileBytes(SomeDraws(12))));
    mServer.Serve("/moved", test::Redirect("/download/Pirumo/Pirumo.mdb"));

    QProcessEnvironment environment = CleanEnvironment();
    environment.insert(QStringLiteral("PIRUMO_DOWNLOAD_URL"),
                       QString::fromStdString(mServer.Url("/moved")));
    const CliRun run = Run({QStringLiteral("--db"), QString::fromStdString(Target().string()),
                            QStringLiteral("update")},
                           {}, environment);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "第11回と第12回を追加しました。");
    EXPECT_EQ(ReadHistoryRows(Target()), SomeDraws(12));
    EXPECT_EQ(ReadFileBytes(fs::path(Target().string() + ".bak")), old);
}

TEST_F(UpdateCommandTest, RefusesEveryBadAnswerAndNamesTheCause) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    const std::string good = HistoryFileBytes(SomeDraws(12));
    HttpAnswer html =
        test::Serving("<!DOCTYPE html><html><body>ただいまメンテナンス中です</body></html>");
    html.contentType = "text/html";
    HttpAnswer huge;
    huge.kind = HttpAnswer::Kind::kAnnounce;
    huge.announcedLength = qint64{100} * 1024 * 1024;
    mServer.Serve("/404", test::Error(404, "Not Found"));
    mServer.Serve("/500", test::Error(500, "Internal Server Error"));
    mServer.Serve("/html", html);
    mServer.Serve("/empty", test::Serving(""));
    mServer.Serve("/cut", test::Serving(good, HttpAnswer::Kind::kTruncated));
    mServer.Serve("/cut-unannounced",
                  test::Serving(good.substr(0, good.size() / 2), HttpAnswer::Kind::kNoLength));
    mServer.Serve("/huge", huge);
    mServer.Serve("/junk", test::Serving(std::string(50000, '\0')));
    mServer.Serve("/csv-junk", test::Serving(std::string(50000, 'x')));
    mServer.Serve("/access-cut",
                  test::Serving(ReadFileBytes(test::HandMadeJetFile()).substr(0, 12288)));

    const std::pair<const char*, const char*> cases[] = {
        {"/404", "HTTP 404"},
        {"/500", "HTTP 500"},
        {"/html", "Webページ"},
        {"/empty", "空です"},
        {"/cut", "途中"},
        {"/cut-unannounced", "受信した当選データ"},
        {"/huge", "大きすぎます"},
        {"/junk", "受信した当選データを開けません"},
        {"/csv-junk", "受信したCSVデータの"},
        {"/access-cut", "Accessファイルの内容が途中で切れているか"},
    };
    for (const auto& [path, cause] : cases) {
        const CliRun run = Update(path);
        EXPECT_NE(run.exitCode, 0) << path;
        EXPECT_NE(run.err.find(cause), std::string::npos) << path << ": " << run.err;
        EXPECT_NE(run.err.find("変更していません"), std::string::npos) << path << ": " << run.err;
        ExpectUntouched(old);
    }
}

TEST_F(UpdateCommandTest, ConvertsAnAccessBody) {
    CreateHistoryFile(Target());
    mServer.Serve("/access", test::Serving(ReadFileBytes(test::HandMadeJetFile())));
    const CliRun run = Update("/access");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadHistoryRows(Target()), ReadAccessHistoryRows(test::HandMadeJetFile()));
}

TEST_F(UpdateCommandTest, RefusesAMissingTargetBeforeDownloading) {
    const CliRun run = Update("/never-asked");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "pirumo-cli: 当選データファイル：'" + Target().string() + "'が存在しません\n");
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(UpdateCommandTest, SaysWhenNoSourceIsConfigured) {
    if (std::string(PIRUMO_DOWNLOAD_HOST) != "") {
        GTEST_SKIP() << "built with a download host";
    }
    ReplaceHistoryFile(Target(), SomeDraws(3));
    const std::string old = ReadFileBytes(Target());
    const CliRun run = Update("");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("URLが設定されていません"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("「データ管理」→「最新化のURL設定」"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("PIRUMO_DOWNLOAD_URL"), std::string::npos) << run.err;
    ExpectUntouched(old);

    const CliRun alone = Update("", {QStringLiteral("--save-url")});
    EXPECT_EQ(alone.exitCode, 2);
    const CliRun ftp = Run({QStringLiteral("--db"), QString::fromStdString(Target().string()),
                            QStringLiteral("update"), QStringLiteral("--url"),
                            QStringLiteral("ftp://example.jp/a.csv")});
    EXPECT_EQ(ftp.exitCode, 2);
    EXPECT_NE(ftp.err.find("http:// か https://"), std::string::npos) << ftp.err;
    ExpectUntouched(old);
}

// The weekly routine: the published CSV with the draws since the bundled ones.
TEST_F(UpdateCommandTest, AddsNewDrawsFromAPublishedCsvAndSavesItsUrl) {
    ReplaceHistoryFile(Target(), ReadCsvHistoryFile(test::RealHistoryCsv()));
    mServer.Serve("/results.csv", test::Serving(BundledCsvWith("1354,2025/09/30,2,9,15,22,27,4" +
                                                               std::string(kNoPrizes) +
                                                               "\r\n"
                                                               "1355,2025/10/07,1,5,12,19,30,8" +
                                                               kNoPrizes + "\r\n")));
    const CliRun run = Update("/results.csv", {QStringLiteral("--save-url")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "第1354回（2025/09/30）と第1355回（2025/10/07）を追加しました。");
    EXPECT_NE(ReadFileBytes(Settings()).find(mServer.Url("/results.csv")), std::string::npos);

    // The saved source serves the next refresh without --url.
    mServer.Serve(
        "/results.csv",
        test::Serving(BundledCsvWith("1354,2025/09/30,2,9,15,22,27,4" + std::string(kNoPrizes) +
                                     "\r\n"
                                     "1355,2025/10/07,1,5,12,19,30,8" +
                                     kNoPrizes +
                                     "\r\n"
                                     "1356,2025/10/14,3,7,18,24,29,11,2,4000000,9,150000,900,"
                                     "10000,40000,1000\r\n")));
    const CliRun again = Update("");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const std::vector<Draw> rows = ReadHistoryRows(Target());
    ASSERT_EQ(rows.size(), 1356u);
    Draw last = test::MakeDraw(1356, {3, 7, 18, 24, 29}, 11);
    last.date = "2025/10/14";
    last.prizes = DrawPrizes{{2, 9, 900, 40000}, {4000000, 150000, 10000, 1000}};
    EXPECT_EQ(rows.back(), last);
    EXPECT_EQ(again.out.substr(0, again.out.find('\n')), "第1356回（2025/10/14）を追加しました。");

    // Nothing new: the history and its backup stay byte for byte.
    const std::string history = ReadFileBytes(Target());
    const std::string backup = ReadFileBytes(fs::path(Target().string() + ".bak"));
    const CliRun same = Update("");
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "新しい回はありません（最新 第1356回）。\n");
    EXPECT_EQ(ReadFileBytes(Target()), history);
    EXPECT_EQ(ReadFileBytes(fs::path(Target().string() + ".bak")), backup);
}

// 1354 absent, 1355 present: a warning, and a refusal unless forced.
TEST_F(UpdateCommandTest, WarnsOfASkippedDrawAndRefusesUnlessForced) {
    ReplaceHistoryFile(Target(), ReadCsvHistoryFile(test::RealHistoryCsv()));
    const std::string old = ReadFileBytes(Target());
    mServer.Serve("/gap.csv", test::Serving(BundledCsvWith("1355,2025/10/07,1,5,12,19,30,8" +
                                                           std::string(kNoPrizes) + "\r\n")));
    const std::string warning =
        "警告: 受信したデータは途中の回が抜けています: 第1354回（1 回分）\n";

    const CliRun refused = Update("/gap.csv");
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_NE(refused.err.find(warning), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    ExpectUntouched(old);

    const CliRun forced = Update("/gap.csv", {QStringLiteral("--force")});
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(forced.err.find(warning), std::string::npos) << forced.err;
    EXPECT_NE(forced.out.find("第1355回（2025/10/07）を追加しました。"), std::string::npos);
    EXPECT_EQ(ReadHistoryRows(Target()).back().drawNumber, 1355);
}

TEST_F(UpdateCommandTest, RefusesACsvThatHoldsADrawOtherwise) {
    ReplaceHistoryFile(Target(), ReadCsvHistoryFile(test::RealHistoryCsv()));
    const std::string old = ReadFileBytes(Target());
    std::string csv = ReadFileBytes(test::RealHistoryCsv());
    const auto at = csv.find("\n1000,");
    ASSERT_NE(at, std::string::npos);
    const auto end = csv.find('\r', at + 1);
    csv.replace(at + 1, end - at - 1, "1000,2016/11/01,1,2,3,4,5,6" + std::string(kNoPrizes));
    mServer.Serve("/changed.csv", test::Serving(csv));

    const CliRun run = Update("/changed.csv");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("第1000回"), std::string::npos) << run.err;
    ExpectUntouched(old);
}

// A download without the draws entered by hand brings nothing new: they stay, unless forced.
TEST_F(UpdateCommandTest, KeepsLocalDrawsUnlessForced) {
    ReplaceHistoryFile(Target(), SomeDraws(12));
    const std::string old = ReadFileBytes(Target());
    mServer.Serve("/older", test::Serving(HistoryFileBytes(SomeDraws(10))));

    const CliRun kept = Update("/older");
    EXPECT_EQ(kept.exitCode, 0) << kept.err;
    EXPECT_EQ(kept.out,
              "新しい回はありません（最新 第12回）。\n"
              "受信したデータにない第11回〜第12回は、今のまま残しています。\n");
    ExpectUntouched(old);

    const CliRun forced = Update("/older", {QStringLiteral("--force")});
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(forced.err.find("第12回"), std::string::npos) << forced.err;
    EXPECT_EQ(ReadHistoryRows(Target()), SomeDraws(10));
    EXPECT_EQ(ReadFileBytes(fs::path(Target().string() + ".bak")), old);
}

// Root may write anywhere, so the write fails through a file-size limit on pirumo-cli: the
// download and the new file fit under it, the backup copy of the large local file does not.
TEST_F(UpdateCommandTest, AFailedWriteLeavesTheFileAsItWas) {
    ReplaceHistoryFile(Target(), SomeDraws(4000));
    const std::string old = ReadFileBytes(Target());
    const std::string body = HistoryFileBytes(SomeDraws(20));
    const rlim_t limit = body.size() * 2;
    ASSERT_GT(old.size(), limit);
    mServer.Serve("/small", test::Serving(body));

    const CliRun run = Update("/small", {QStringLiteral("--force")}, [limit] {
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("バックアップ"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("変更していません"), std::string::npos) << run.err;
    ExpectUntouched(old);
}

}  // namespace
}  // namespace pirumo
