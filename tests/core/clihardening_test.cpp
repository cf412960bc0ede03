// pirumo-cli against bad inputs, lost output and busy or odd files: each a Japanese refusal
// with a non-zero status, never a lost or wrongly replaced file.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "filebytes.h"
#include "history/store/databasepassword.h"
#include "historybodies.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli under a time limit (status 124 when it hangs), standard output to `out`.
CliResult RunCli(const test::TempFolder& folder, const std::vector<std::string>& args,
                 const std::string& out = {}) {
    std::string command = std::string("timeout 20 '") + PIRUMO_CLI_PATH + "'";
    for (const std::string& a : args) {
        command += " '" + a + "'";
    }
    const fs::path outFile = folder.Path() / "stdout";
    const fs::path errFile = folder.Path() / "stderr";
    command += " >'" + (out.empty() ? outFile.string() : out) + "' 2>'" + errFile.string() + "'";
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), out.empty() ? test::ReadFileBytes(outFile) : std::string(),
            test::ReadFileBytes(errFile)};
}

// English that the libraries and the system would put into a message.
void ExpectJapaneseOnly(const std::string& err) {
    for (const char* english :
         {"denied", "No such", "Unknown", "Missing", "malformed", "basic_filebuf", "bad_alloc",
          "directory", "warning", "error", "Error", "not a database"}) {
        EXPECT_EQ(err.find(english), std::string::npos) << err;
    }
}

class CliHardening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli(mFolder, {"--db", Db(), "sample", "--draws", "40"}).status, 0);
    }
    std::string Db() const { return (mFolder.Path() / "Pirumo.mdb").string(); }
    std::string In(const std::string& name) const { return (mFolder.Path() / name).string(); }

    test::TempFolder mFolder;
};

TEST_F(CliHardening, LostOutputIsAFailure) {
    const std::vector<std::vector<std::string>> commands = {
        {"--db", Db(), "info"},
        {"--db", Db(), "list"},
        {"--db", Db(), "show", "出現回数分析"},
        {"--db", Db(), "predict"},
        {"--help"},
        {"--db", Db(), "show", "出現回数分析", "--out", "/dev/full"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args.back());
        const CliResult r = RunCli(mFolder, args, "/dev/full");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("ディスクがいっぱいです"), std::string::npos) << r.err;
    }
}

TEST_F(CliHardening, InputsThatAreNoRegularFileAreRefusedAtOnce) {
    ASSERT_EQ(mkfifo(In("fifo.csv").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", In("zero.csv"));
    fs::create_symlink("/dev/urandom", In("random.mdb"));
    fs::create_directory(In("folder.csv"));
    const std::string before = test::ReadFileBytes(Db());
    const struct {
        std::vector<std::string> args;
        const char* reason;
    } cases[] = {
        {{"--db", Db(), "import", In("zero.csv")}, "通常のファイルではありません"},
        {{"--db", Db(), "import", In("random.mdb")}, "通常のファイルではありません"},
        {{"--db", Db(), "import", In("fifo.csv")}, "通常のファイルではありません"},
        {{"--db", Db(), "import", In("folder.csv")}, "フォルダーです"},
        {{"--db", Db(), "predict", "--ini", "/dev/zero"}, "通常のファイルではありません"},
        {{"--db", Db(), "predict", "--ini", In("fifo.csv")}, "通常のファイルではありません"},
        {{"--db", "/dev/zero", "info"}, "通常のファイルではありません"},
        {{"--db", mFolder.Path().string(), "info"}, "フォルダーです"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[2] + " " + c.args.back());
        const CliResult r = RunCli(mFolder, c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.status, 124) << "it must not hang";
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        ExpectJapaneseOnly(r.err);
    }
    EXPECT_EQ(test::ReadFileBytes(Db()), before);
}

TEST_F(CliHardening, WritesGoToTheRightObject) {
    // A history reached through a link: the link stays, its target is replaced.
    const fs::path real = In("real.mdb");
    fs::create_symlink(real.filename(), In("link.mdb"));
    ASSERT_EQ(RunCli(mFolder, {"--db", In("link.mdb"), "sample", "--draws", "7"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(In("link.mdb")));
    EXPECT_NE(RunCli(mFolder, {"--db", real.string(), "info"}).out.find("\"rows\": 7"),
              std::string::npos);

    // Output to the program's own standard output is written there, not replaced.
    const CliResult toStdout = RunCli(mFolder, {"--db", Db(), "export", "/dev/stdout"});
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out.rfind("\xEF\xBB\xBF回数", 0), 0u);

    // A history the user made read-only is not replaced by an import.
    ASSERT_EQ(RunCli(mFolder, {"--db", Db(), "export", In("draws.csv")}).status, 0);
    fs::permissions(Db(), fs::perms(0444));
    const std::string before = test::ReadFileBytes(Db());
    const CliResult readOnly = RunCli(mFolder, {"--db", Db(), "import", In("draws.csv")});
    EXPECT_NE(readOnly.status, 0);
    EXPECT_NE(readOnly.err.find("読み取り専用"), std::string::npos) << readOnly.err;
    EXPECT_EQ(test::ReadFileBytes(Db()), before);
}

// A child holds the history's write lock for `seconds`, then lets go.
pid_t HoldWriteLock(const std::string& db, int seconds) {
    int ready[2];
    EXPECT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* handle = nullptr;
        const std::string key = DatabasePassword();
        sqlite3_open(db.c_str(), &handle);
        sqlite3_key(handle, key.data(), static_cast<int>(key.size()));
        const std::string sql =
            "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations) + "; BEGIN EXCLUSIVE;";
        const int rc = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr);
        const char done = rc == SQLITE_OK ? 'y' : 'n';
        [[maybe_unused]] const auto n = write(ready[1], &done, 1);
        sleep(static_cast<unsigned>(seconds));
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
        _exit(0);
    }
    char done = 0;
    EXPECT_EQ(read(ready[0], &done, 1), 1);
    EXPECT_EQ(done, 'y');
    close(ready[0]);
    close(ready[1]);
    return child;
}

TEST_F(CliHardening, AReaderWaitsForAWriterAndOtherwiseSaysTheFileIsInUse) {
    const pid_t brief = HoldWriteLock(Db(), 1);
    const CliResult waited = RunCli(mFolder, {"--db", Db(), "info"});
    EXPECT_EQ(waited.status, 0) << waited.err;
    waitpid(brief, nullptr, 0);

    const pid_t longer = HoldWriteLock(Db(), 8);
    const CliResult busy = RunCli(mFolder, {"--db", Db(), "info"});
    EXPECT_NE(busy.status, 0);
    EXPECT_NE(busy.err.find("使用中"), std::string::npos) << busy.err;
    EXPECT_EQ(busy.err.find("パスワード"), std::string::npos) << busy.err;
    kill(longer, SIGKILL);
    waitpid(longer, nullptr, 0);
}

TEST_F(CliHardening, MessagesAreShortJapaneseAndNameTheFile) {
    // A page in the middle of a larger history overwritten.
    ASSERT_EQ(RunCli(mFolder, {"--db", In("large.mdb"), "sample", "--draws", "2000"}).status, 0);
    std::string damaged = test::ReadFileBytes(In("large.mdb"));
    ASSERT_GT(damaged.size(), 3u * 4096u);
    damaged.replace(2 * 4096 + 100, 200, 200, '\x5A');
    test::WriteFileBytes(In("damaged.mdb"), damaged);
    // A value of 10 MB with a NUL in it.
    test::WriteFileBytes(In("huge.csv"),
                         "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1," +
                             std::string(10'000'000, '7') + std::string(1, '\0') + ",2,3,4,5,6\n");
    // Four bytes changed in the hand-made Jet file make libmdb warn in English on its own.
    std::string jet = test::ReadFileBytes(test::HandMadeJetFile());
    for (const auto& [at, value] :
         {std::pair{2869, 43}, std::pair{8279, 98}, std::pair{8968, 126}, std::pair{24275, 192}}) {
        jet[static_cast<std::size_t>(at)] = static_cast<char>(value);
    }
    test::WriteFileBytes(In("warns.mdb"), jet);
    const struct {
        std::vector<std::string> args;
        const char* reason;
    } cases[] = {
        {{"--db", Db(), "import", In("warns.mdb")}, "壊れています"},
        {{"--bogus", "info"}, "「--bogus」はありません"},
        {{"info", "--db"}, "「--db」に値がありません"},
        {{"--db", In("damaged.mdb"), "info"}, "damaged.mdb」"},
        {{"--db", In("damaged.mdb"), "info"}, "壊れています"},
        {{"--db", Db(), "export", In("none/out.csv")}, "フォルダーがありません"},
        {{"--db", In("none/Pirumo.mdb"), "info"}, "見つかりません"},
        {{"--db", Db(), "import", In("huge.csv")}, "7…"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const CliResult r = RunCli(mFolder, c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_LT(r.err.size(), 600u);
        ExpectJapaneseOnly(r.err);
    }
}

TEST_F(CliHardening, ExtraArgumentsLongNamesAndCp932Names) {
    for (const char* command : {"info", "list", "predict"}) {
        const CliResult r = RunCli(mFolder, {"--db", Db(), command, "extra"});
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_NE(r.err.find("引数を指定できません"), std::string::npos) << r.err;
    }

    ASSERT_EQ(RunCli(mFolder, {"--db", Db(), "export", In("draws.csv")}).status, 0);
    const std::string longName = In(std::string(240, 'l') + ".mdb");
    const std::string cp932Name = In("\x83\x73\x83\x8B\x83\x82.mdb");  // ピルモ.mdb in CP932
    const std::string cp932Csv = In("\x93\x96\x91\x49.csv");           // 当選.csv in CP932
    fs::copy_file(In("draws.csv"), cp932Csv);
    for (const std::string& db : {longName, cp932Name}) {
        const CliResult imported = RunCli(mFolder, {"--db", db, "import", cp932Csv});
        EXPECT_EQ(imported.status, 0) << imported.err;
        const CliResult info = RunCli(mFolder, {"--db", db, "info"});
        EXPECT_NE(info.out.find("\"rows\": 40"), std::string::npos) << info.err;
        const CliResult again = RunCli(mFolder, {"--db", db, "sample", "--draws", "3"});
        EXPECT_EQ(again.status, 0) << again.err;
    }
}

}  // namespace
}  // namespace pirumo
