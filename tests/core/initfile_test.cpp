#include "prediction/initfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "testhistory.h"

namespace pirumo {
namespace {

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// 頻度分析Opt and 5分割傾向分析Opt in CP932.
const std::string kFrequencyKey =
    "\x95\x70\x93\x78\x95\xaa\x90\xcd"
    "Opt";
const std::string kFourGroupKey =
    "5\x95\xaa\x8a\x84\x8c\x58\x8c\xfc\x95\xaa\x90\xcd"
    "Opt";

TEST(InitFileTest, WritesTwelveCp932LinesWithCrLfInIndexOrder) {
    test::TempFolder folder;
    const auto file = folder.Path() / "ピルモ.ini";
    WriteBytes(file, "something else entirely\n");
    PredictionOptions options;
    options.reflect[0] = true;
    options.reflect[8] = true;  // the frame captioned 4分割, whose key says 5分割
    WriteInitFile(file, options);

    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.rfind(kFrequencyKey + "=True\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\n" + kFourGroupKey + "=True\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(bytes[i - 1], '\r');
            ++lines;
        }
    }
    EXPECT_EQ(lines, 13u);
    EXPECT_TRUE(bytes.ends_with("\r\nsomething else entirely\r\n"))
        << "a line it does not know stays";
    EXPECT_EQ(bytes.find("\xe9\xa0\xbb"), std::string::npos) << "頻 must not be written as UTF-8";

    PredictionOptions read;
    ReadInitFile(file, read);
    EXPECT_EQ(read, options);
    EXPECT_EQ(std::filesystem::directory_iterator(folder.Path())->path(), file)
        << "no temporary file left behind";
}

TEST(InitFileTest, LinesInAnotherOrderGiveTheSameOptions) {
    PredictionOptions options;
    for (int i = 0; i < 12; i += 3) {
        options.reflect[static_cast<std::size_t>(i)] = true;
    }
    const std::string text = FormatInitText(options);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start) + 2;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    std::string reversed;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        reversed += *it;
    }
    PredictionOptions parsed;
    ParseInitText(reversed, parsed);
    EXPECT_EQ(parsed, options);
}

TEST(InitFileTest, LaterLineOfAKeyWinsAndUnknownKeysAreIgnored) {
    PredictionOptions parsed;
    ParseInitText(kFrequencyKey + "=True\r\n" + "unknown=True\r\n" + "\x96\xa2\x92\x6d=1=2\r\n" +
                      kFrequencyKey + "=False\r\n" + kFourGroupKey + "=True\r\n",
                  parsed);
    EXPECT_FALSE(parsed.reflect[0]);
    EXPECT_TRUE(parsed.reflect[8]);
    EXPECT_EQ(parsed.CountReflected(), 1);
}

TEST(InitFileTest, KeysMatchExactly) {
    PredictionOptions parsed;
    // Other case, a trailing blank, a leading blank, full-width "Ｏｐｔ" (82 6e 82 90 82 94).
    ParseInitText(
        "\x95\x70\x93\x78\x95\xaa\x90\xcd"
        "opt=True\r\n" +
            kFrequencyKey + " =True\r\n " + kFrequencyKey + "=True\r\n" +
            "\x95\x70\x93\x78\x95\xaa\x90\xcd\x82\x6e\x82\x90\x82\x94=True\r\n",
        parsed);
    EXPECT_EQ(parsed.CountReflected(), 0);
}

TEST(InitFileTest, AcceptsBooleanWordsInAnyCaseAndNumbers) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"True", true},   {"TRUE", true}, {"tRuE", true}, {"False", false},
        {"FALSE", false}, {"0", false},   {"1", true},    {"-1", true},
        {"2.5", true},    {"0.0", false}, {"+3", true},   {"1e3", true}};
    for (const auto& [value, expected] : cases) {
        PredictionOptions parsed;
        parsed.reflect[0] = !expected;
        ParseInitText(kFrequencyKey + "=" + value + "\r\n", parsed);
        EXPECT_EQ(parsed.reflect[0], expected) << value;
    }
}

TEST(InitFileTest, SkipsUnreadableLinesAndReadsTheRest) {
    PredictionOptions parsed;
    parsed.reflect[2] = true;
    // 出現回数分析Opt in CP932
    const std::string appearanceKey =
        "\x8f\x6f\x8c\xbb\x89\xf1\x90\x94\x95\xaa\x90\xcd"
        "Opt";
    ParseInitText("\r\n" + kFrequencyKey + "\r\n" +          // no "="
                      kFrequencyKey + "=yes\r\n" +           // not a Boolean
                      kFrequencyKey + "=\r\n" +              // empty value
                      appearanceKey + "=inf\r\n" +           // not a number here
                      "\x95\x70\x93\xff\x95\xaa=True\r\n" +  // not CP932
                      kFourGroupKey + "=True",               // no line end at the end
                  parsed);
    EXPECT_FALSE(parsed.reflect[0]);
    EXPECT_TRUE(parsed.reflect[2]) << "an unreadable line keeps the option as it was";
    EXPECT_TRUE(parsed.reflect[8]);
}

TEST(InitFileTest, AcceptsLfAndCrLineEnds) {
    PredictionOptions parsed;
    ParseInitText(kFrequencyKey + "=True\n" + kFourGroupKey + "=True\r", parsed);
    EXPECT_TRUE(parsed.reflect[0]);
    EXPECT_TRUE(parsed.reflect[8]);
}

TEST(InitFileTest, MissingLineOrMissingFileLeavesOptionsAsTheyWere) {
    test::TempFolder folder;
    const auto file = folder.Path() / "ピルモ.ini";
    PredictionOptions options;
    ReadInitFile(file, options);
    EXPECT_EQ(options, PredictionOptions());

    PredictionOptions all;
    all.reflect.fill(true);
    std::string text = FormatInitText(all);
    // 連番飛び石分析Opt, index 5, dropped from the file.
    const std::string line5 =
        "\x98\x41\x94\xd4\x94\xf2\x82\xd1\x90\xce\x95\xaa\x90\xcd"
        "Opt=True\r\n";
    const std::size_t at = text.find(line5);
    ASSERT_NE(at, std::string::npos);
    text.erase(at, line5.size());
    WriteBytes(file, text);
    ReadInitFile(file, options);
    EXPECT_EQ(options.CountReflected(), 11);
    EXPECT_FALSE(options.reflect[5]);
}

TEST(InitFileTest, UnreadableFileIsReportedAndLeavesOptions) {
    test::TempFolder folder;
    const auto file = folder.Path() / "ピルモ.ini";
    std::filesystem::create_directory(file);
    PredictionOptions options;
    options.reflect[3] = true;
    EXPECT_THROW(ReadInitFile(file, options), InitFileError);
    EXPECT_EQ(options.CountReflected(), 1);
}

TEST(InitFileTest, FailedWriteIsReportedAndLeavesTheOldFileIntact) {
    test::TempFolder folder;
    const auto file = folder.Path() / "ピルモ.ini";
    PredictionOptions old;
    old.reflect[1] = true;
    WriteInitFile(file, old);
    const std::string before = ReadBytes(file);

    // A file-size limit makes the write fail part-way, as a full disk would (also for root).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    PredictionOptions changed;
    changed.reflect.fill(true);
    bool threw = false;
    try {
        WriteInitFile(file, changed);
    } catch (const InitFileError& error) {
        threw = true;
        EXPECT_NE(std::string(error.what()).find("設定"), std::string::npos);
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadBytes(file), before);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u) << "the temporary file is removed";
}

// A child saves the settings over and over and is killed at a random moment: the file holds one
// whole version or the other, and what the kill left behind goes with the next save.
TEST(InitFileTest, KilledWriteLeavesTheOldFileAndItsLeftoverGoesWithTheNextWrite) {
    test::TempFolder folder;
    const auto file = folder.Path() / "ピルモ.ini";
    PredictionOptions first;
    first.reflect[2] = true;
    PredictionOptions second;
    second.reflect.fill(true);
    WriteInitFile(file, first);
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    std::mt19937 random(12);
    for (int run = 0; run < 20; ++run) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                WriteInitFile(file, i % 2 ? first : second);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        PredictionOptions read;
        ReadInitFile(file, read);
        EXPECT_TRUE(read == first || read == second) << "run " << run;
        EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
    }
    const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        std::filesystem::last_write_time(entry.path(), anHourAgo);
    }
    WriteInitFile(file, first);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"ピルモ.ini"});
}

// The user's config folder may not exist yet; a folder that cannot exist is reported.
TEST(InitFileTest, WriteMakesAMissingFolderOrReportsThatItCannot) {
    test::TempFolder folder;
    WriteInitFile(folder.Path() / "none" / "ピルモ.ini", PredictionOptions());
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "none" / "ピルモ.ini"));
    WriteBytes(folder.Path() / "file", "x");
    EXPECT_THROW(WriteInitFile(folder.Path() / "file" / "ピルモ.ini", PredictionOptions()),
                 InitFileError);
}

}  // namespace
}  // namespace pirumo
