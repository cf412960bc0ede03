#include "history/store/historyfile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <set>

#include "base/atomicfile.h"
#include "base/temporaryfolder.h"
#include "filebytes.h"
#include "history/historyerror.h"
#include "history/store/boundedread.h"
#include "history/store/databasepassword.h"
#include "history/store/sqlcipherdatabase.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

Draw MakeDraw(int drawNumber, std::array<std::int16_t, 6> numbers, std::string date = {}) {
    Draw d;
    d.drawNumber = drawNumber;
    d.numbers = numbers;
    d.date = std::move(date);
    return d;
}

// Builds a file by hand, keyed like the program's own, for layouts the program never writes.
void WriteRawFile(const std::filesystem::path& file, const std::string& sql,
                  const std::string& key = DatabasePassword()) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_key(db, key.data(), static_cast<int>(key.size())), SQLITE_OK);
    const std::string iterations = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations);
    ASSERT_EQ(sqlite3_exec(db, iterations.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

const char* const kPlainTable =
    "CREATE TABLE 当選データ (回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, ボーナス数字, "
    "開催日);";
const char* const kPlainView = "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;";

std::string ErrorOf(const std::filesystem::path& file) {
    try {
        OpenDrawHistory(file);
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "no error";
}

std::set<std::string> FilesIn(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(HistoryFileTest, WrittenRowsReadBackInDrawNumberOrder) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    const std::vector<Draw> rows = {
        MakeDraw(3, {1, 2, 3, 4, 5, 6}, "1999/04/27"),
        MakeDraw(1, {31, 30, 29, 28, 27, 26}, "1999/04/13"),
        MakeDraw(2, {7, Draw::kEmptyField, 9, 10, 11, Draw::kEmptyField}),
        MakeDraw(4, {1, 2, Draw::kOtherValue, 4, 5, 6}),
        MakeDraw(5, {40, 2, 3, 4, 5, 6}),
    };
    // What the replacement gives back is what reading the file gives.
    const DrawHistory written = ReplaceHistoryFile(file, rows);

    const DrawHistory history = OpenDrawHistory(file);
    EXPECT_EQ(written.Rows(), history.Rows());
    EXPECT_EQ(written.Aggregates().skippedOtherValue, 2);
    EXPECT_EQ(history.Rows()[4].numbers[0], Draw::kOtherValue);
    ASSERT_EQ(history.Rows().size(), 5u);
    EXPECT_EQ(history.Rows()[0], rows[1]);
    EXPECT_EQ(history.Rows()[1], rows[2]);
    EXPECT_EQ(history.Rows()[2], rows[0]);
    EXPECT_EQ(history.Rows()[3], rows[3]);
    EXPECT_EQ(history.LastDrawNumber(), 3);
    EXPECT_EQ(history.Aggregates().skippedOtherValue, 2);
}

TEST(HistoryFileTest, StoredValuesBecomeEmptyOrOtherValue) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    CreateHistoryFile(file);
    WriteRawFile(file,
                 "INSERT INTO 当選データ VALUES (1, NULL, '', 0, 32, 31, 1, NULL);"
                 "INSERT INTO 当選データ VALUES (2, 5.5, 'x', x'01', -3, 100000, 16, '');");
    const auto rows = ReadHistoryRows(file);
    ASSERT_EQ(rows.size(), 2u);
    using A = std::array<std::int16_t, 6>;
    constexpr auto E = Draw::kEmptyField;
    constexpr auto O = Draw::kOtherValue;
    EXPECT_EQ(rows[0].numbers, (A{E, E, O, O, 31, 1}));
    EXPECT_EQ(rows[1].numbers, (A{O, O, O, O, O, 16}));
    EXPECT_EQ(rows[0].date, "");
}

TEST(HistoryFileTest, FailuresGiveJapaneseMessages) {
    TempFolder dir;

    const auto missing = dir.Path() / "無い.mdb";
    EXPECT_NE(
        ErrorOf(missing).find("当選データファイル「" + missing.string() + "」が見つかりません"),
        std::string::npos);

    const auto otherKey = dir.Path() / "other-key.mdb";
    WriteRawFile(otherKey, std::string(kPlainTable) + kPlainView, "12345");
    EXPECT_NE(ErrorOf(otherKey).find("パスワードが違う"), std::string::npos);

    const auto text = dir.Path() / "text.mdb";
    WriteFileBytes(text, std::string(4096, 'x'));
    EXPECT_NE(ErrorOf(text).find("パスワードが違うか、当選データのファイルではありません"),
              std::string::npos);

    const auto noView = dir.Path() / "no-view.mdb";
    WriteRawFile(noView, kPlainTable);
    EXPECT_NE(ErrorOf(noView).find("当選データの一覧がありません"), std::string::npos);

    const auto viewLacksField = dir.Path() / "view-lacks-field.mdb";
    WriteRawFile(viewLacksField, std::string(kPlainTable) +
                                     "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, "
                                     "第2数字, 第4数字, 第5数字, ボーナス数字 FROM 当選データ;");
    EXPECT_NE(ErrorOf(viewLacksField).find("当選データの欄「第3数字」がありません"),
              std::string::npos);

    const auto tableLacksField = dir.Path() / "table-lacks-field.mdb";
    WriteRawFile(tableLacksField,
                 "CREATE TABLE 当選データ (回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字);"
                 "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字, "
                 "第4数字, 第5数字, ボーナス数字 FROM 当選データ;");
    EXPECT_NE(ErrorOf(tableLacksField).find("当選データの欄「ボーナス数字」がありません"),
              std::string::npos);

    for (const std::string bad : {"0", "32768", "'abc'", "NULL"}) {
        const auto outOfRange = dir.Path() / "range.mdb";
        std::filesystem::remove(outOfRange);
        WriteRawFile(outOfRange, std::string(kPlainTable) + kPlainView +
                                     "INSERT INTO 当選データ VALUES (" + bad +
                                     ", 1, 2, 3, 4, 5, 6, NULL);");
        EXPECT_NE(ErrorOf(outOfRange).find("は1から32767までの整数ではありません"),
                  std::string::npos)
            << bad;
    }
}

// Files made to exhaust the reader: each is refused quickly, with a reason.
TEST(HistoryFileTest, CraftedQueriesAreRefused) {
    const std::string fields = "回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, ボーナス数字";
    const std::string twoHundredRows =
        "INSERT INTO 当選データ WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c "
        "WHERE x < 200) SELECT x, 1, 2, 3, 4, 5, 6, NULL FROM c;";
    const struct {
        std::string sql;
        std::string expected;
    } cases[] = {
        {"CREATE VIEW 全データ選択クエリ AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
         "SELECT x + 1 FROM c WHERE x < 100000) SELECT x AS 回数, 1 AS 第1数字, 2 AS 第2数字, "
         "3 AS 第3数字, 4 AS 第4数字, 5 AS 第5数字, 6 AS ボーナス数字 FROM c;",
         "全データ選択クエリは自分自身を繰り返し呼び出す"},
        {twoHundredRows +
             "CREATE VIEW 全データ選択クエリ AS SELECT a.* FROM 当選データ a, 当選データ b;",
         "全データ選択クエリが32767行を超える行を返しました"},
        {"INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 5, 6, NULL);"
         "CREATE VIEW 全データ選択クエリ AS SELECT " +
             fields + ", hex(zeroblob(450000)) AS 開催日 FROM 当選データ;",
         "値が大きすぎます"},
        {"INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 5, 6, hex(zeroblob(450000)));" +
             std::string(kPlainView),
         "値が大きすぎます"},
        {"INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 5, 6, hex(zeroblob(50)));" +
             std::string(kPlainView),
         "1行目の開催日が長すぎます（100 バイト、上限は 64 バイト）"},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        const auto file = dir.Path() / "crafted.mdb";
        std::filesystem::remove(file);
        WriteRawFile(file, kPlainTable + c.sql);
        EXPECT_NE(ErrorOf(file).find(c.expected), std::string::npos) << ErrorOf(file);
    }
}

TEST(HistoryFileTest, BoundedReadStopsAQueryPastItsDeadline) {
    TempFolder dir;
    const auto file = dir.Path() / "slow.mdb";
    WriteRawFile(file,
                 "CREATE TABLE t (x); INSERT INTO t WITH RECURSIVE c(x) AS (SELECT 1 UNION "
                 "ALL SELECT x + 1 FROM c WHERE x < 1000) SELECT x FROM c;");
    SqlCipherDatabase db(file, SqlCipherDatabase::Mode::kReadWrite);
    const BoundedRead bounds(db, std::chrono::milliseconds(50));
    try {
        db.Execute("SELECT count(*) FROM t a, t b, t c, t d");
        ADD_FAILURE() << "no deadline";
    } catch (const HistoryError& e) {
        EXPECT_NE(std::string(e.what()).find("読み込みに時間がかかりすぎるため中止しました"),
                  std::string::npos)
            << e.what();
    }
}

TEST(HistoryFileTest, FileIsUnreadableWithoutTheKey) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6}, "1999/04/13")});

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr),
              SQLITE_NOTADB);
    sqlite3_close(db);

    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(bytes.find("SQLite format"), std::string::npos);
    EXPECT_EQ(bytes.find("当選データ"), std::string::npos);
    EXPECT_EQ(bytes.find("1999/04/13"), std::string::npos);
}

TEST(HistoryFileTest, ReplaceKeepsBackupAndLeavesNoTemporaryFiles) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"Pirumo.mdb"}));
    const std::string first = ReadFileBytes(file);

    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6}), MakeDraw(2, {7, 8, 9, 10, 11, 12})});
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"Pirumo.mdb", "Pirumo.mdb.bak"}));
    EXPECT_EQ(ReadFileBytes(dir.Path() / "Pirumo.mdb.bak"), first);
    EXPECT_EQ(ReadHistoryRows(file).size(), 2u);
    EXPECT_EQ(ReadHistoryRows(dir.Path() / "Pirumo.mdb.bak").size(), 1u);
}

TEST(HistoryFileTest, ReplaceClearsTemporaryFilesKilledWritersLeft) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6})});
    for (const char* name : {".pirumo-old001", ".pirumo-old002-journal", ".pirumo-new003",
                             "Pirumo.mdb.backup", ".pirumo-settings"}) {
        WriteFileBytes(dir.Path() / name, "x");
    }
    const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(dir.Path() / ".pirumo-old001", anHourAgo);
    // A writer still at work in the folder, one that takes no folder lock.
    AtomicFile running(dir.Path() / "notes.txt");

    ReplaceHistoryFile(file, {MakeDraw(2, {1, 2, 3, 4, 5, 6})});
    // Under the folder lock even a fresh one goes; the living writer's and the user's stay.
    EXPECT_EQ(FilesIn(dir.Path()),
              (std::set<std::string>{"Pirumo.mdb", "Pirumo.mdb.bak",
                                     running.TemporaryPath().filename().string(),
                                     "Pirumo.mdb.backup", ".pirumo-settings"}));
}

TEST(HistoryFileTest, RefusedReplaceLeavesOldFileExactlyAsItWas) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6})});
    const std::string before = ReadFileBytes(file);

    EXPECT_THROW(ReplaceHistoryFile(file, {MakeDraw(5, {}), MakeDraw(5, {})}), HistoryError);
    EXPECT_THROW(ReplaceHistoryFile(file, {MakeDraw(0, {})}), HistoryError);
    EXPECT_THROW(ReplaceHistoryFile(file, {MakeDraw(32768, {})}), HistoryError);
    EXPECT_THROW(ReplaceHistoryFile(dir.Path() / "no-such-folder" / "Pirumo.mdb", {}),
                 HistoryError);

    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"Pirumo.mdb"}));
}

TEST(HistoryFileTest, CreateMakesAnEmptyHistoryAndRefusesToOverwrite) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    CreateHistoryFile(file);
    const DrawHistory history = OpenDrawHistory(file);
    EXPECT_TRUE(history.Rows().empty());
    EXPECT_TRUE(history.CountGroups().empty());

    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6})});
    const std::string before = ReadFileBytes(file);
    EXPECT_THROW(CreateHistoryFile(file), HistoryError);
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"Pirumo.mdb", "Pirumo.mdb.bak"}));
}

TEST(HistoryFileTest, BytesAreCheckedThroughAPrivateTemporaryFile) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6}), MakeDraw(2, {7, 8, 9, 10, 11, 12})});
    const std::string bytes = ReadFileBytes(file);

    TempFolder scratch;
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string saved = oldTmp ? oldTmp : "";
    setenv("TMPDIR", scratch.Path().c_str(), 1);
    EXPECT_EQ(ReadHistoryRowsFromBytes(bytes).size(), 2u);
    EXPECT_THROW(ReadHistoryRowsFromBytes("<html>not found</html>"), HistoryError);
    EXPECT_THROW(ReadHistoryRowsFromBytes(""), HistoryError);
    EXPECT_TRUE(FilesIn(scratch.Path()).empty());

    // A check killed minutes ago left its folder; a living one and the user's own stay.
    const auto killed = scratch.Path() / "pirumo-k1ll3d";
    std::filesystem::create_directory(killed);
    WriteFileBytes(killed / "received.mdb", bytes);
    std::filesystem::last_write_time(
        killed, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::filesystem::create_directory(scratch.Path() / "pirumo-notes");
    {
        const TemporaryFolder living;
        std::filesystem::last_write_time(
            living.Path(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        EXPECT_EQ(ReadHistoryRowsFromBytes(bytes).size(), 2u);
        EXPECT_EQ(FilesIn(scratch.Path()),
                  (std::set<std::string>{"pirumo-notes", living.Path().filename().string()}));
    }
    if (oldTmp) {
        setenv("TMPDIR", saved.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

// A child process starts a large edit with a one-page cache, so changed pages reach the file
// before the commit, and dies without committing, leaving a journal behind.
void LeaveCutOffEdit(const std::filesystem::path& file) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        const std::string key = DatabasePassword();
        const std::string sql =
            "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations) +
            "; PRAGMA cache_size = 1; BEGIN; UPDATE 当選データ SET 第1数字 = 9;";
        sqlite3_open(file.c_str(), &db);
        sqlite3_key(db, key.data(), static_cast<int>(key.size()));
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        _exit(std::filesystem::exists(file.string() + "-journal") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0) << "no journal was left behind";
}

std::vector<Draw> ManyDraws(std::int16_t first) {
    std::vector<Draw> rows;
    for (int k = 1; k <= 2000; ++k) {
        rows.push_back(MakeDraw(k, {first, 2, 3, 4, 5, 6}, "1999/04/13"));
    }
    return rows;
}

TEST(HistoryFileTest, EditCutOffMidwayIsRolledBackOnNextOpen) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, ManyDraws(1));
    LeaveCutOffEdit(file);

    EXPECT_EQ(ReadHistoryRows(file), ManyDraws(1));
    EXPECT_FALSE(std::filesystem::exists(file.string() + "-journal"));
}

TEST(HistoryFileTest, JournalOfCutOffEditIsNeverAppliedToAReplacement) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, ManyDraws(1));
    LeaveCutOffEdit(file);

    ReplaceHistoryFile(file, ManyDraws(7));
    EXPECT_EQ(ReadHistoryRows(file), ManyDraws(7));
    EXPECT_EQ(ReadHistoryRows(dir.Path() / "Pirumo.mdb.bak"), ManyDraws(1));
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"Pirumo.mdb", "Pirumo.mdb.bak"}));
}

TEST(HistoryFileTest, EditorChangesOneDrawPerCall) {
    TempFolder dir;
    const auto file = dir.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, {MakeDraw(1, {1, 2, 3, 4, 5, 6}, "1999/04/13")});
    {
        HistoryFileEditor editor(file);
        editor.InsertDraw(2);
        editor.SetNumber(2, 0, 9);
        editor.SetNumber(2, 5, 40);
        editor.SetNumber(1, 2, std::nullopt);

        const auto rows = editor.ReadAll();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].numbers[2], std::nullopt);
        EXPECT_EQ(rows[0].date, std::optional<std::string>("1999/04/13"));
        EXPECT_EQ(rows[1].numbers[0], 9);
        EXPECT_EQ(rows[1].numbers[5], 40);
        EXPECT_EQ(rows[1].numbers[1], std::nullopt);
        EXPECT_EQ(rows[1].date, std::nullopt);

        EXPECT_THROW(editor.InsertDraw(2), HistoryError);
        EXPECT_THROW(editor.InsertDraw(0), HistoryError);
        EXPECT_THROW(editor.SetNumber(7, 0, 1), HistoryError);
        EXPECT_THROW(editor.SetNumber(1, 6, 1), HistoryError);
        EXPECT_THROW(editor.DeleteDraw(7), HistoryError);
        editor.DeleteDraw(1);
    }
    const auto rows = ReadHistoryRows(file);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].drawNumber, 2);
    EXPECT_EQ(rows[0].numbers[0], 9);
    EXPECT_EQ(rows[0].numbers[5], Draw::kOtherValue);
}

TEST(HistoryFileTest, EditorRefusesFilesItCannotRead) {
    TempFolder dir;
    EXPECT_THROW(HistoryFileEditor(dir.Path() / "missing.mdb"), HistoryError);
    const auto otherKey = dir.Path() / "other-key.mdb";
    WriteRawFile(otherKey, kPlainTable, "12345");
    EXPECT_THROW(HistoryFileEditor{otherKey}, HistoryError);
}

}  // namespace
}  // namespace pirumo
