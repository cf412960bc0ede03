// Replacing the history while another program writes to it: the replacement waits, or is
// refused as in use, and the backup it keeps always opens.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/store/databasepassword.h"
#include "history/store/historyfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

std::vector<Draw> Draws(int count, int first) {
    std::vector<Draw> rows;
    for (int k = 1; k <= count; ++k) {
        rows.push_back(test::MakeDraw(k, {first, 2, 3, 4, 5}, 6));
    }
    return rows;
}

// Another program's edit of draw 1, as any keyed client makes it: the write transaction is
// held `hold` with its journal beside the file; `ready`, when open, hears of it.
void EditOnce(const fs::path& file, std::chrono::microseconds hold, int ready) {
    sqlite3* db = nullptr;
    const std::string key = DatabasePassword();
    const std::string iterations = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations);
    sqlite3_open(file.c_str(), &db);
    sqlite3_key(db, key.data(), static_cast<int>(key.size()));
    sqlite3_busy_timeout(db, 5000);
    sqlite3_exec(db, iterations.c_str(), nullptr, nullptr, nullptr);
    if (sqlite3_exec(db,
                     "BEGIN IMMEDIATE; UPDATE 当選データ SET 第1数字 = 第1数字 % 31 + 1 "
                     "WHERE 回数 = 1;",
                     nullptr, nullptr, nullptr) == SQLITE_OK) {
        if (ready >= 0) {
            (void)!::write(ready, "x", 1);
        }
        std::this_thread::sleep_for(hold);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

// A child process that edits the file until it is killed; returns once its first edit holds
// the file.
pid_t StartEditor(const fs::path& file, std::chrono::microseconds hold) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        EditOnce(file, hold, ready[1]);
        for (;;) {
            std::this_thread::sleep_for(hold / 2);
            EditOnce(file, hold, -1);
        }
    }
    ::close(ready[1]);
    char byte = 0;
    (void)!::read(ready[0], &byte, 1);
    ::close(ready[0]);
    return child;
}

void Stop(pid_t child) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

std::string MessageOfReplace(const fs::path& file, const std::vector<Draw>& rows) {
    try {
        ReplaceHistoryFile(file, rows);
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(BusyHistory, AWriteThatOutlastsTheWaitIsLeftAloneAndReportedInUse) {
    test::TempFolder dir;
    const fs::path file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, Draws(300, 1));
    const pid_t editor = StartEditor(file, std::chrono::minutes(1));
    ASSERT_GT(editor, 0);
    const std::string before = test::ReadFileBytes(file);

    const std::string message = MessageOfReplace(file, Draws(500, 7));
    EXPECT_NE(message.find("使用中"), std::string::npos) << message;
    // The other program's journal stays where it can still commit or roll back.
    EXPECT_TRUE(fs::exists(file.string() + "-journal"));
    EXPECT_FALSE(fs::exists(file.string() + ".bak"));
    EXPECT_EQ(test::ReadFileBytes(file), before);

    // Killed, its journal is hot: the next replacement rolls it back into the backup's source.
    Stop(editor);
    ReplaceHistoryFile(file, Draws(500, 7));
    EXPECT_EQ(ReadHistoryRows(file.string() + ".bak"), Draws(300, 1));
    EXPECT_FALSE(fs::exists(file.string() + ".bak-journal"));
}

// Thirty replacements against an editor that holds the file most of the time; run with
// --gtest_repeat for a longer stress.
TEST(BusyHistory, EveryBackupOpensWhileAnotherProgramKeepsEditing) {
    test::TempFolder dir;
    const fs::path file = dir.Path() / "Pirumo.mdb";
    const fs::path backup = file.string() + ".bak";
    ReplaceHistoryFile(file, Draws(200, 1));
    const pid_t editor = StartEditor(file, std::chrono::milliseconds(20));
    ASSERT_GT(editor, 0);

    int replaced = 0;
    for (int run = 1; run <= 30; ++run) {
        SCOPED_TRACE(run);
        const std::string message = MessageOfReplace(file, Draws(200 + 37 * run, run % 31 + 1));
        if (message == "(no error)") {
            ++replaced;
        } else {
            EXPECT_NE(message.find("使用中"), std::string::npos) << message;
        }
        EXPECT_FALSE(fs::exists(backup.string() + "-journal"));
        EXPECT_NO_THROW(ReadHistoryRows(backup));
        EXPECT_NO_THROW(ReadHistoryRows(file));
    }
    Stop(editor);
    EXPECT_GT(replaced, 0);
}

}  // namespace
}  // namespace pirumo
