// A file that import cannot use is named for what it is, and what it echoes arrives whole.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "childmessage.h"
#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/importsource.h"
#include "history/store/databasepassword.h"
#include "historybodies.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "回数,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字";

// An SQLite file made by other means: plain, or with our key but a table that lets a 回数 repeat.
void MakeDatabase(const fs::path& file, bool encrypted, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    std::string script = sql;
    if (encrypted) {
        const std::string key = DatabasePassword();
        sqlite3_key(db, key.data(), static_cast<int>(key.size()));
        script = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations) + ";" + sql;
    }
    EXPECT_EQ(sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class ImportMessagesTest : public ::testing::Test {
protected:
    void SetUp() override { ReplaceHistoryFile(History(), test::SomeDraws(12)); }
    fs::path History() const { return mFolder.Path() / "Pirumo.mdb"; }
    fs::path In(const std::string& name) const { return mFolder.Path() / name; }

    std::string RefusalOf(const fs::path& source) {
        try {
            ImportHistory(source, History(), test::InProcessAccessReader());
        } catch (const HistoryError& e) {
            return e.what();
        }
        return "accepted";
    }

    test::TempFolder mFolder;
};

TEST_F(ImportMessagesTest, EachUnusableFileIsNamedForWhatItIs) {
    test::WriteFileBytes(In("nul.csv"),
                         kHeader + "\n1,2020/01/07,1" + std::string(1, '\0') + "x,2,3,4,5,6\n");
    MakeDatabase(In("plain.db"), false, "CREATE TABLE t (x); INSERT INTO t VALUES (1);");
    MakeDatabase(In("twice.mdb"), true,
                 "CREATE TABLE 当選データ (回数 INTEGER, 第1数字 INTEGER, 第2数字 INTEGER,"
                 " 第3数字 INTEGER, 第4数字 INTEGER, 第5数字 INTEGER, ボーナス数字 INTEGER,"
                 " 開催日 TEXT);"
                 "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;"
                 "INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 5, 6, '2020/01/07');"
                 "INSERT INTO 当選データ VALUES (2, 1, 2, 3, 4, 6, 7, '2020/01/14');"
                 "INSERT INTO 当選データ VALUES (1, 1, 2, 3, 4, 7, 8, '2020/01/21');");
    std::string damaged = test::HistoryFileBytes(test::SomeDraws(30));
    damaged.replace(0, 64, std::string(64, 'x'));
    test::WriteFileBytes(In("damaged.mdb"), damaged);
    std::string cut = test::HistoryFileBytes(test::SomeDraws(30));
    cut.resize(1500);
    test::WriteFileBytes(In("cut.mdb"), cut);

    struct Case {
        fs::path file;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases{
        {In("nul.csv"), {"第1数字「1\u2400x」"}},
        {In("plain.db"), {"「" + In("plain.db").string() + "」", "SQLite"}},
        {In("damaged.mdb"), {"「" + In("damaged.mdb").string() + "」", "暗号化", "壊れ"}},
        {In("cut.mdb"), {"「" + In("cut.mdb").string() + "」", "壊れ"}},
        {"/proc/self/environ", {"文字のファイルではありません"}},
        {In("twice.mdb"),
         {"「" + In("twice.mdb").string() + "」", "2行目の回数「1」", "1行目と重複"}},
    };
    const std::string before = test::ReadFileBytes(History());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        const std::string refusal = RefusalOf(c.file);
        for (const std::string& part : c.said) {
            EXPECT_NE(refusal.find(part), std::string::npos) << refusal;
        }
        for (const char* misleading : {"文字コード", "全データ選択クエリ", ".pirumo-"}) {
            EXPECT_EQ(refusal.find(misleading), std::string::npos) << refusal;
        }
        EXPECT_TRUE(test::ReadFileBytes(History()) == before) << "the history changed";
    }
}

TEST_F(ImportMessagesTest, LinesEndingInCrAloneAreRead) {
    for (const std::string end : {"\r", "\r\n", "\n"}) {
        SCOPED_TRACE(testing::PrintToString(end));
        test::WriteFileBytes(In("draws.csv"), kHeader + end + "1,2020/01/07,1,2,3,4,5,6" + end +
                                                  "2,2020/01/14,\"7\",8,9,10,11,12" + end);
        EXPECT_EQ(ImportHistory(In("draws.csv"), History(), test::InProcessAccessReader())
                      .history.Rows()
                      .size(),
                  2u);
    }
}

// A history nobody may touch and one nobody may write are told apart.
TEST_F(ImportMessagesTest, ModeZeroIsAMatterOfPermissionNotOfReadOnly) {
    test::WriteFileBytes(In("draws.csv"), kHeader + "\n1,2020/01/07,1,2,3,4,5,6\n");
    struct Case {
        fs::perms mode;
        const char* said;
        const char* notSaid;
    };
    for (const Case& c : {Case{fs::perms(0000), "権限", "読み取り専用"},
                          Case{fs::perms(0444), "読み取り専用", "権限"}}) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        fs::permissions(History(), c.mode);
        const std::string refusal = RefusalOf(In("draws.csv"));
        EXPECT_NE(refusal.find(c.said), std::string::npos) << refusal;
        EXPECT_EQ(refusal.find(c.notSaid), std::string::npos) << refusal;
    }
}

// A history the user may not read is a matter of permission, whoever runs the program: root runs
// the reader as another user.
TEST_F(ImportMessagesTest, AHistoryTheUserMayNotReadSaysPermission) {
    fs::permissions(mFolder.Path(), fs::perms(0755));
    fs::permissions(History(), fs::perms(0600));
    if (::geteuid() != 0) {
        fs::permissions(History(), fs::perms(0000));
    }
    const std::string message = test::MessageFromChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return std::string("no other user");
        }
        try {
            OpenDrawHistory(History());
        } catch (const HistoryError& e) {
            return std::string(e.what());
        }
        return std::string("opened");
    });
    EXPECT_NE(message.find("権限"), std::string::npos) << message;
    EXPECT_EQ(message.find("読み取り専用"), std::string::npos) << message;
}

}  // namespace
}  // namespace pirumo
