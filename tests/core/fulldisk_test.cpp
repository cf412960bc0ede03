// On a full disk an import names the history it could not replace, never a temporary file, and a
// backup that does not fit says the disk is full. A small tmpfs stands for the disk.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/import/importsource.h"
#include "history/store/historyfile.h"
#include "historybodies.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(Disk());
        if (::mount("tmpfs", Disk().c_str(), "tmpfs", 0, "size=200k") != 0) {
            GTEST_SKIP() << "no permission to mount a small disk";
        }
        mMounted = true;
    }
    void TearDown() override {
        if (mMounted) {
            ::umount2(Disk().c_str(), MNT_DETACH);
        }
    }
    fs::path Disk() const { return mFolder.Path() / "disk"; }
    fs::path History() const { return Disk() / "Pirumo.mdb"; }

    // Fills the disk up to `kilobytes` free.
    void LeaveFree(unsigned long kilobytes) {
        fs::remove(Disk() / "fill");
        struct statvfs info {};
        ASSERT_EQ(::statvfs(Disk().c_str(), &info), 0);
        const unsigned long free = info.f_bavail * info.f_frsize / 1024;
        ASSERT_GT(free, kilobytes);
        test::WriteFileBytes(Disk() / "fill", std::string((free - kilobytes) * 1024, 'x'));
    }

    test::TempFolder mFolder;
    bool mMounted = false;
};

TEST_F(FullDiskTest, TheMessageNamesTheHistoryAndSaysTheDiskIsFull) {
    ReplaceHistoryFile(History(), test::SomeDraws(300));
    const fs::path csv = mFolder.Path() / "draws.csv";
    ExportCsvHistory(History(), csv);
    std::string before = test::ReadFileBytes(History());
    bool backupFailed = false;
    bool historyFailed = false;
    for (unsigned long free = 40; free >= 4; free -= 4) {
        SCOPED_TRACE(free);
        fs::remove(History().string() + ".bak");
        LeaveFree(free);
        try {
            ImportHistory(csv, History(), test::InProcessAccessReader());
            before = test::ReadFileBytes(History());
            continue;
        } catch (const HistoryError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("ディスクがいっぱいです"), std::string::npos) << message;
            EXPECT_NE(message.find("「" + History().string()), std::string::npos) << message;
            EXPECT_EQ(message.find(".pirumo-"), std::string::npos) << message;
            (message.find("バックアップ") != std::string::npos ? backupFailed : historyFailed) =
                true;
        }
        EXPECT_TRUE(test::ReadFileBytes(History()) == before) << "the history changed";
    }
    EXPECT_TRUE(backupFailed) << "no size left the backup without room";
    EXPECT_TRUE(historyFailed) << "no size left the new history without room";
}

// A download is checked through a private copy in the temporary folder: a full disk there names
// that folder, not the copy's made-up name.
TEST_F(FullDiskTest, ADownloadCheckOnAFullDiskNamesTheTemporaryFolder) {
    const std::string body = test::HistoryFileBytes(test::SomeDraws(300));
    const char* saved = std::getenv("TMPDIR");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", Disk().c_str(), 1);
    LeaveFree(8);
    std::string message;
    try {
        ReadHistoryRowsFromBytes(body);
    } catch (const HistoryError& e) {
        message = e.what();
    }
    saved != nullptr ? ::setenv("TMPDIR", previous.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_NE(message.find("一時フォルダー「" + Disk().string() + "」"), std::string::npos)
        << message;
    EXPECT_NE(message.find("ディスクがいっぱいです"), std::string::npos) << message;
    EXPECT_EQ(message.find("received"), std::string::npos) << message;
}

}  // namespace
}  // namespace pirumo
