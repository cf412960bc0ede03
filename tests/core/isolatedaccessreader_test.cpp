#include "isolation/isolatedaccessreader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "history/historyerror.h"
#include "history/import/accessrows.h"
#include "history/import/importsource.h"
#include "history/refresh/downloadedhistory.h"
#include "history/store/historyfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class IsolatedAccessReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReplaceHistoryFile(HistoryFile(), {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
        mHistoryBytes = ReadBytes(HistoryFile());
        fs::copy_file(test::HandMadeJetFile(), Source());
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

    // Expects the import of a Jet file through `reader` to be refused with a message holding
    // `text`, and the history file to be untouched.
    void ExpectRefused(const AccessReader& reader, const std::string& text) {
        try {
            ImportHistory(Source(), HistoryFile(), reader);
            ADD_FAILURE() << "accepted";
        } catch (const HistoryError& e) {
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(HistoryFile()), mHistoryBytes);
    }

    // The message of a download refused through `reader`.
    static std::string DownloadRefusal(const AccessReader& reader, const std::string& body) {
        try {
            ReadDownloadedHistory(body, reader);
            ADD_FAILURE() << "a download was accepted";
        } catch (const HistoryError& e) {
            return e.what();
        }
        return {};
    }

    test::TempFolder mFolder;
    std::string mHistoryBytes;
};

TEST_F(IsolatedAccessReaderTest, ReportsACrashOrAHangOfTheChildAndKeepsTheHistory) {
    ExpectRefused(IsolatedAccessReader(FakeCli("kill -SEGV $$")),
                  "ファイル「" + Source().string() +
                      "」の取り込み中に読み込み処理が異常終了しました（シグナル 11）");
    ExpectRefused(IsolatedAccessReader(FakeCli("exec sleep 30"), std::chrono::seconds(1)),
                  "1秒で終わらないため中止しました");
    ExpectRefused(IsolatedAccessReader(mFolder.Path() / "missing-cli"), "を起動できません");
}

TEST_F(IsolatedAccessReaderTest, PassesOnTheLastLineTheChildWrote) {
    ExpectRefused(IsolatedAccessReader(FakeCli(
                      "echo 'libmdb: noise' >&2\necho 'ファイルが壊れています。' >&2\nexit 1")),
                  "ファイルが壊れています。");
}

// A download is read from a private copy, whose name means nothing to the user.
TEST_F(IsolatedAccessReaderTest, CallsAJetDownloadTheDownload) {
    const std::string bytes = ReadBytes(test::HandMadeJetFile());
    EXPECT_EQ(DownloadRefusal(IsolatedAccessReader(FakeCli("kill -SEGV $$")), bytes),
              "ダウンロードしたファイルの取り込み中に読み込み処理が異常終了しました（シグナル "
              "11）。ファイルが壊れている可能性があります。履歴ファイルは変更していません。");
    EXPECT_EQ(
        DownloadRefusal(IsolatedAccessReader(PIRUMO_CLI_PATH), bytes.substr(0, bytes.size() / 2)),
        "Accessファイルの内容が途中で切れているか、壊れています。");
}

TEST_F(IsolatedAccessReaderTest, ReadsThroughTheRealCli) {
    const IsolatedAccessReader reader(PIRUMO_CLI_PATH);
    EXPECT_EQ(reader.Read(Source()), ReadAccessHistoryRows(Source()));
    const std::string bytes = ReadBytes(Source());
    EXPECT_EQ(ReadDownloadedHistory(bytes, reader), ReadAccessHistoryRowsFromBytes(bytes));
}

}  // namespace
}  // namespace pirumo
