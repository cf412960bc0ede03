#include "history/import/isolatedimport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "history/historyerror.h"
#include "history/import/accessrows.h"
#include "history/store/historyfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class IsolatedImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReplaceHistoryFile(HistoryFile(), {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
        mHistoryBytes = ReadBytes(HistoryFile());
    }

    fs::path HistoryFile() const { return mFolder.Path() / "Pirumo.mdb"; }
    fs::path Source() const { return mFolder.Path() / "source.mdb"; }

    // A stand-in for pirumo-cli that behaves as libmdb does on a hostile file.
    fs::path FakeCli(const std::string& script) const {
        const fs::path cli = mFolder.Path() / "fake-cli";
        std::ofstream(cli) << "#!/bin/sh\n" << script << "\n";
        chmod(cli.c_str(), 0755);
        return cli;
    }

    // Expects the import through `cli` to be refused with a message holding `text`, and the
    // history file to be untouched.
    void ExpectRefused(const fs::path& cli, const std::string& text,
                       std::chrono::seconds limit = kImportTimeLimit) {
        try {
            ImportHistoryInChildProcess(cli, Source(), HistoryFile(), limit);
            ADD_FAILURE() << "accepted";
        } catch (const HistoryError& e) {
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(HistoryFile()), mHistoryBytes);
    }

    test::TempFolder mFolder;
    std::string mHistoryBytes;
};

TEST_F(IsolatedImportTest, ReportsACrashOrAHangOfTheChildAndKeepsTheHistory) {
    ExpectRefused(FakeCli("kill -SEGV $$"), "異常終了しました（シグナル 11）");
    ExpectRefused(FakeCli("exec sleep 30"), "1秒で終わらないため中止しました",
                  std::chrono::seconds(1));
    ExpectRefused(mFolder.Path() / "missing-cli", "を起動できません");
}

TEST_F(IsolatedImportTest, PassesOnTheLastLineTheChildWrote) {
    ExpectRefused(FakeCli("echo 'libmdb: noise' >&2\necho 'ファイルが壊れています。' >&2\nexit 1"),
                  "ファイルが壊れています。");
}

TEST_F(IsolatedImportTest, ImportsThroughTheRealCli) {
    fs::copy_file(test::HandMadeJetFile(), Source());
    EXPECT_EQ(ImportHistoryInChildProcess(PIRUMO_CLI_PATH, Source(), HistoryFile()), 3);
    const std::string bytes = ReadBytes(test::HandMadeJetFile());
    EXPECT_EQ(ReadAccessHistoryRowsInChildProcess(PIRUMO_CLI_PATH, bytes),
              ReadAccessHistoryRowsFromBytes(bytes));
    try {
        ReadAccessHistoryRowsInChildProcess(PIRUMO_CLI_PATH, bytes.substr(0, bytes.size() / 2));
        ADD_FAILURE() << "a cut download was accepted";
    } catch (const HistoryError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Accessファイルの内容が途中で切れているか"), std::string::npos)
            << message;
        EXPECT_EQ(message.find("download.mdb"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace pirumo
