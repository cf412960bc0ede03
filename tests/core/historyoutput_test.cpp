// No output of pirumo-cli lands on the history or its backup, whatever name leads there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clirun.h"
#include "history/historyerror.h"
#include "history/refresh/downloadsource.h"
#include "history/store/historyoutputguard.h"
#include "prediction/initfile.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

class HistoryOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(test::RunCliIn(mFolder, {"--db", Db(), "sample", "--draws", "80"}).status, 0);
        fs::create_directory(mFolder.Path() / "sub");
    }
    std::string Db() const { return (mFolder.Path() / "Pirumo.mdb").string(); }
    std::string In(const std::string& name) const { return (mFolder.Path() / name).string(); }

    // Runs every command that writes a file to `out`; each must refuse and leave both files.
    void ExpectEveryCommandRefuses(const std::string& out) {
        const std::string history = test::ReadFileBytes(Db());
        const bool backupExists = fs::exists(Db() + ".bak");
        const std::string backup = backupExists ? test::ReadFileBytes(Db() + ".bak") : "";
        const std::vector<std::vector<std::string>> commands{
            {"show", "出現回数分析", "--out", out},
            {"show", "出現回数分析", "--format", "pdf", "--out", out},
            {"predict", "--out", out},
            {"backtest", "--out", out},
            {"check", "1", "2", "3", "4", "5", "--out", out},
            {"info", "--out", out},
            {"list", "--out", out},
            {"export", out},
        };
        for (std::vector<std::string> args : commands) {
            SCOPED_TRACE(args.front() + " " + args.back());
            args.insert(args.begin(), {"--db", Db()});
            const test::CliResult result = test::RunCliIn(mFolder, args);
            EXPECT_NE(result.status, 0);
            EXPECT_NE(result.err.find("当選データのファイル"), std::string::npos) << result.err;
            EXPECT_TRUE(test::ReadFileBytes(Db()) == history) << "the history changed";
            EXPECT_EQ(fs::exists(Db() + ".bak"), backupExists);
            if (backupExists) {
                EXPECT_TRUE(test::ReadFileBytes(Db() + ".bak") == backup) << "the backup changed";
            }
        }
    }

    test::TempFolder mFolder;
};

TEST_F(HistoryOutputTest, RefusesEveryNameOfTheHistoryAndItsBackup) {
    // A link to the backup before there is one: writing through it would make it.
    fs::create_symlink("Pirumo.mdb.bak", In("link-to-backup"));
    ExpectEveryCommandRefuses(In("link-to-backup"));

    fs::copy_file(Db(), Db() + ".bak");
    fs::create_symlink(Db(), In("link-to-history"));
    fs::create_symlink("../link-to-history", In("sub/link-to-link"));
    ASSERT_EQ(::link(Db().c_str(), In("hard-link").c_str()), 0);
    for (const std::string& out :
         {Db(), Db() + ".bak", In("sub/../Pirumo.mdb"), In("./Pirumo.mdb.bak"),
          In("link-to-history"), In("sub/link-to-link"), In("link-to-backup"), In("hard-link")}) {
        ExpectEveryCommandRefuses(out);
    }
}

TEST_F(HistoryOutputTest, OtherNamesInTheFolderStillWork) {
    for (const std::string& out : {In("Pirumo.mdb.txt"), In("sub/Pirumo.mdb"), In("bak")}) {
        SCOPED_TRACE(out);
        EXPECT_EQ(test::RunCliIn(mFolder, {"--db", Db(), "info", "--out", out}).status, 0);
        EXPECT_FALSE(test::ReadFileBytes(out).empty());
    }
}

// The settings file is written at exit: named as the history (--ini), it is refused too.
TEST_F(HistoryOutputTest, SettingsNamedAsTheHistoryAreNeverWritten) {
    ProtectHistoryFromOutput(Db());
    fs::create_symlink(Db(), In("settings.ini"));
    const std::string history = test::ReadFileBytes(Db());
    for (const std::string& settings : {Db(), In("settings.ini")}) {
        SCOPED_TRACE(settings);
        EXPECT_THROW(WriteInitFile(settings, PredictionOptions()), InitFileError);
        EXPECT_THROW(SaveRefreshSource(settings, "http://example.jp/a.csv"), HistoryError);
    }
    EXPECT_TRUE(test::ReadFileBytes(Db()) == history) << "the history changed";
}

}  // namespace
}  // namespace pirumo
