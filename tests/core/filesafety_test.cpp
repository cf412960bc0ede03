// The shared file writer and reader: what they replace, what they refuse, and what they keep.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/folderlock.h"
#include "base/inputfile.h"
#include "base/outputfile.h"
#include "base/readablemessage.h"
#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "prediction/initfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

struct Writer {
    const char* name;
    std::function<void(const fs::path&)> write;
};

// Every way the program writes a file the user names, on an existing file it replaces.
std::vector<Writer> Writers(const fs::path& history) {
    return {
        {"settings", [](const fs::path& f) { WriteInitFile(f, PredictionOptions()); }},
        {"output", [](const fs::path& f) { WriteOutputFile(f, "text\n"); }},
        {"export", [history](const fs::path& f) { ExportCsvHistory(history, f); }},
        {"history",
         [](const fs::path& f) {
             ReplaceHistoryFile(f, {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
         }},
    };
}

TEST(FileSafety, EveryWriterKeepsPermissionsFollowsLinksAndRefusesReadOnlyFiles) {
    test::TempFolder folder;
    const fs::path history = folder.Path() / "source.mdb";
    ReplaceHistoryFile(history, {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    for (const Writer& writer : Writers(history)) {
        SCOPED_TRACE(writer.name);
        const fs::path file = folder.Path() / (std::string(writer.name) + ".file");
        const fs::path link = folder.Path() / (std::string(writer.name) + ".link");
        WriteFileBytes(file, "old");
        fs::permissions(file, fs::perms(0640));
        fs::create_symlink(file.filename(), link);

        writer.write(link);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link))) << "the link stays a link";
        EXPECT_NE(ReadFileBytes(file), "old") << "its target gets the new content";
        EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));

        fs::permissions(file, fs::perms(0444));
        const std::string before = ReadFileBytes(file);
        EXPECT_NE(MessageOf([&] { writer.write(file); }).find("読み取り専用"), std::string::npos);
        EXPECT_EQ(ReadFileBytes(file), before);

        // A link to a file not yet there: the file is made where the link points.
        const fs::path dangling = folder.Path() / (std::string(writer.name) + ".dangling");
        fs::create_symlink(std::string(writer.name) + ".new", dangling);
        writer.write(dangling);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
        EXPECT_TRUE(fs::is_regular_file(folder.Path() / (std::string(writer.name) + ".new")));
        const fs::path loop = folder.Path() / (std::string(writer.name) + ".loop");
        fs::create_symlink(loop.filename(), loop);
        EXPECT_NE(MessageOf([&] { writer.write(loop); }).find("循環"), std::string::npos);
        const fs::path sub = folder.Path() / (std::string(writer.name) + ".folder");
        fs::create_directory(sub);
        EXPECT_NE(MessageOf([&] { writer.write(sub); }).find("フォルダーです"), std::string::npos);
    }
    std::set<std::string> temporary;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        if (entry.path().filename().string().starts_with(".pirumo-")) {
            temporary.insert(entry.path().filename().string());
        }
    }
    EXPECT_TRUE(temporary.empty()) << *temporary.begin();
}

// Run as root on a user's file, every writer leaves it (and the history's backup) to that user;
// a user who may write the file but not give it away is refused before anything changes.
TEST(FileSafety, EveryWriterKeepsOwnerAndGroupOrRefuses) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files to another user";
    }
    constexpr uid_t kOwner = 65534;
    constexpr uid_t kStranger = 65533;
    test::TempFolder folder;
    fs::permissions(folder.Path(), fs::perms(0777));
    const fs::path history = folder.Path() / "source.mdb";
    ReplaceHistoryFile(history, {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    for (const Writer& writer : Writers(history)) {
        SCOPED_TRACE(writer.name);
        const fs::path file = folder.Path() / (std::string(writer.name) + ".file");
        WriteFileBytes(file, "old");
        ASSERT_EQ(::chown(file.c_str(), kOwner, kOwner), 0);
        fs::permissions(file, fs::perms(0640));
        writer.write(file);
        writer.write(file);  // the second keeps a backup of the history
        for (const fs::path& written : {file, fs::path(file.string() + ".bak")}) {
            struct stat info {};
            if (::stat(written.c_str(), &info) != 0) {
                continue;
            }
            EXPECT_EQ(info.st_uid, kOwner) << written;
            EXPECT_EQ(info.st_gid, kOwner) << written;
            EXPECT_EQ(info.st_mode & 07777, 0640u) << written;
        }

        fs::permissions(file, fs::perms(0666));
        const std::string before = ReadFileBytes(file);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kStranger) == 0 &&
                                 ::setuid(kStranger) == 0;
            const std::string message = MessageOf([&] { writer.write(file); });
            ::_exit(dropped && message.find("所有者") != std::string::npos ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WEXITSTATUS(status), 0) << "another user's file is replaced without a word";
        EXPECT_EQ(ReadFileBytes(file), before);
    }
}

TEST(FileSafety, OutputGoesStraightIntoAFifo) {
    test::TempFolder folder;
    const fs::path fifo = folder.Path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadFileBytes(fifo); });
    WriteOutputFile(fifo, "through the pipe\n");
    reader.join();
    EXPECT_EQ(received, "through the pipe\n");
    EXPECT_TRUE(fs::is_fifo(fifo)) << "the FIFO is not replaced by a file";
}

TEST(FileSafety, InputsThatAreNoRegularFileOrTooLargeAreRefusedAtOnce) {
    test::TempFolder folder;
    const fs::path fifo = folder.Path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = folder.Path() / "huge.csv";
    WriteFileBytes(huge, "");
    fs::resize_file(huge, kMaxInputFileSize + 1);
    const struct {
        fs::path file;
        const char* reason;
    } cases[] = {
        {"/dev/zero", "通常のファイルではありません"},
        {"/dev/urandom", "通常のファイルではありません"},
        {fifo, "通常のファイルではありません"},
        {folder.Path(), "フォルダーです"},
        {huge, "大きすぎます"},
        {folder.Path() / "missing.csv", "見つかりません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        const auto start = std::chrono::steady_clock::now();
        const std::string message = MessageOf([&] { ReadInputFile(c.file, "「入力」"); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
    WriteFileBytes(huge, std::string(1000, 'x'));
    EXPECT_EQ(ReadInputFile(huge, "「入力」").size(), 1000u);
}

TEST(FileSafety, ASecondReplacementWaitsForTheFirst) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    auto held = std::make_unique<FolderLock>(file);
    EXPECT_NE(MessageOf([&] { FolderLock(file, std::chrono::milliseconds(50)); }).find("使用中"),
              std::string::npos);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        held.reset();
    });
    ReplaceHistoryFile(file, {test::MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    release.join();
    EXPECT_EQ(ReadHistoryRows(file).size(), 1u);
}

TEST(FileSafety, MessagesShowInvisibleCharactersAndCutLongValues) {
    const struct {
        std::string message;
        std::string shown;
    } cases[] = {
        {std::string("値「1") + '\0' + "2」", "値「1␀2」"},
        {"値「\xEF\xBB\xBF"
         "1」",
         "値「<BOM>1」"},
        {"値「1\x1A」", "値「1␚」"},
        {"値「\x83」", "値「\\x83」"},
        {"一行目\n二行目\t", "一行目\n二行目␉"},
        {"値「" + std::string(100, '7') + "」です。",
         "値「" + std::string(44, '7') + "…" + std::string(15, '7') + "」（100文字）です。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableMessage(c.message), c.shown);
        EXPECT_EQ(ReadableMessage(c.shown), c.shown) << "a message passed on stays as it is";
    }
    const std::string huge = ReadableMessage("「" + std::string(10'000'000, '1') + "」");
    EXPECT_LT(huge.size(), 200u);
}

}  // namespace
}  // namespace pirumo
