#include "history/refresh/downloadsource.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "filebytes.h"
#include "history/historyerror.h"
#include "prediction/initfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class RefreshSourceTest : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("PIRUMO_DOWNLOAD_URL"); }
    void TearDown() override { ::unsetenv("PIRUMO_DOWNLOAD_URL"); }

    std::filesystem::path Settings() const { return mFolder.Path() / "pirumo" / "ピルモ.ini"; }

    test::TempFolder mFolder;
};

// The source lives in the settings file beside the twelve options; each writer keeps what the
// other wrote, whichever runs last.
TEST_F(RefreshSourceTest, SavedBesideTheOptionsAndKeptByEitherWriter) {
    PredictionOptions options;
    options.reflect[3] = true;
    WriteInitFile(Settings(), options);  // creates the missing folder
    SaveRefreshSource(Settings(), "https://example.jp/results.csv?year=2025&fmt=csv");
    EXPECT_EQ(ReadRefreshSource(Settings()), "https://example.jp/results.csv?year=2025&fmt=csv");

    options.reflect[3] = false;
    options.reflect[5] = true;
    WriteInitFile(Settings(), options);
    EXPECT_EQ(ReadRefreshSource(Settings()), "https://example.jp/results.csv?year=2025&fmt=csv");
    PredictionOptions read;
    ReadInitFile(Settings(), read);
    EXPECT_EQ(read.reflect, options.reflect);
    const std::string text = ReadFileBytes(Settings());
    EXPECT_EQ(text.rfind(FormatInitText(options), 0), 0u) << "the options come first";
    EXPECT_EQ(text.find("最新化URL"), std::string::npos) << "the key is CP932 like the rest";

    SaveRefreshSource(Settings(), "http://127.0.0.1:8080/b.csv");
    SaveRefreshSource(Settings(), "http://127.0.0.1:8080/b.csv");
    EXPECT_EQ(ReadRefreshSource(Settings()), "http://127.0.0.1:8080/b.csv");
    SaveRefreshSource(Settings(), "");
    EXPECT_EQ(ReadRefreshSource(Settings()), "");
    EXPECT_EQ(ReadFileBytes(Settings()), FormatInitText(options)) << "removing leaves the options";
}

TEST_F(RefreshSourceTest, RefusesUrlsItCannotUseAndLeavesTheFile) {
    SaveRefreshSource(Settings(), "http://example.jp/a.csv");
    const std::string before = ReadFileBytes(Settings());
    for (const char* url : {"example.jp/a.csv", "ftp://example.jp/a.csv", "http://", "https:///a",
                            "http://example.jp/a b.csv", "http://example.jp/\xF0\x9F\x8E\xB2"}) {
        EXPECT_FALSE(RefreshSourceProblem(url).empty()) << url;
        EXPECT_THROW(SaveRefreshSource(Settings(), url), HistoryError) << url;
    }
    EXPECT_EQ(ReadFileBytes(Settings()), before);
    EXPECT_TRUE(RefreshSourceProblem("HTTPS://example.jp/当選.csv").empty());
}

TEST_F(RefreshSourceTest, TheUsersSourceComesBeforeTheDefaults) {
    EXPECT_EQ(ResolveDownloadUrl(Settings(), ""), "");
    EXPECT_EQ(ResolveDownloadUrl(Settings(), "dl.example.jp"),
              "http://dl.example.jp/download/Pirumo/Pirumo.mdb");
    ::setenv("PIRUMO_DOWNLOAD_URL", "http://mirror.example.jp/h.mdb", 1);
    EXPECT_EQ(ResolveDownloadUrl(Settings(), "dl.example.jp"), "http://mirror.example.jp/h.mdb");
    SaveRefreshSource(Settings(), "http://mine.example.jp/h.csv");
    EXPECT_EQ(ResolveDownloadUrl(Settings(), "dl.example.jp"), "http://mine.example.jp/h.csv");
}

}  // namespace
}  // namespace pirumo
