#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>

#include "../core/filebytes.h"
#include "../core/testhistory.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "history/store/tickettable.h"
#include "localhttpserver.h"

namespace pirumo {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli on the history while this process's event loop keeps the server answering.
CliRun RunCli(const std::filesystem::path& db, const QStringList& args) {
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(PIRUMO_CLI_PATH),
                  QStringList{QStringLiteral("--db"), QString::fromStdString(db.string())} + args);
    loop.exec();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// The weekly routine: a ticket for the next draw, then the refresh that brings that draw.
TEST(TicketsUpdate, ARefreshReportsWhatTheTicketsWonInTheNewDraw) {
    test::TempFolder folder;
    test::LocalHttpServer server;
    const std::filesystem::path db = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(db, ReadCsvHistoryFile(test::RealHistoryCsv()));
    CliRun run = RunCli(db, {QStringLiteral("tickets"), QStringLiteral("add"), QStringLiteral("2"),
                             QStringLiteral("9"), QStringLiteral("15"), QStringLiteral("22"),
                             QStringLiteral("30")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunCli(db, {QStringLiteral("tickets"), QStringLiteral("add"), QStringLiteral("1"),
                      QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"),
                      QStringLiteral("11"), QStringLiteral("--from"), QStringLiteral("1350")});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    // Four of the first ticket's numbers, not its fifth nor the bonus: 3等 at 13,400 yen.
    server.Serve(
        "/results.csv",
        test::Serving(test::ReadFileBytes(test::RealHistoryCsv()) +
                      "1354,2025/09/30,2,9,15,22,27,4,0,0,3,170000,80,13400,4000,1000\r\n"));
    run = RunCli(db, {QStringLiteral("update"), QStringLiteral("--url"),
                      QString::fromStdString(server.Url("/results.csv"))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("第1354回（2025/09/30）を追加しました。"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n第1354回：あなたの数字 2口のうち 3等 1口（13,400円）\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(ReadSavedTickets(db).size(), 2u);

    const CliRun ledger = RunCli(db, {QStringLiteral("tickets"), QStringLiteral("ledger"),
                                      QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(ledger.exitCode, 0) << ledger.err;
    // Draws 1350..1354 for the second ticket, 1354 for the first: 6 tickets, 1,200 yen.
    EXPECT_NE(ledger.out.find("\"tickets\": 6, \"spent\": 1200"), std::string::npos) << ledger.out;
}

}  // namespace
}  // namespace pirumo
