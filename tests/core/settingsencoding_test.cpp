// ピルモ.ini as editors save it: UTF-8 with or without BOM, CP932 with or without BOM, mixed
// lines. Every reader sees the same settings, and every writer keeps what it does not own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/japanesetext.h"
#include "filebytes.h"
#include "history/historyerror.h"
#include "history/refresh/downloadsource.h"
#include "prediction/initfile.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kUnreadable = "\x95\x70\x93\xff\x95\xaa";  // neither CP932 nor UTF-8

std::string Cp932(const std::string& utf8) {
    return Utf8ToCp932(utf8).value();
}

// Options 0 and 8 on, a note of the user's, the refresh source, a line that cannot be read.
std::string Utf8Settings(const std::string& end) {
    return "頻度分析Opt=True" + end + "5分割傾向分析Opt=True" + end + "; 自分のメモ" + end +
           "最新化URL=http://example.jp/当選.csv" + end;
}

struct Encoding {
    const char* name;
    std::string bytes;
};

std::vector<Encoding> Encodings() {
    const std::string utf8 = Utf8Settings("\r\n");
    const std::string cp932 = Cp932(utf8);
    return {
        {"CP932", cp932 + kUnreadable + "\r\n"},
        {"CP932 with BOM", kBom + cp932 + kUnreadable + "\r\n"},
        {"UTF-8", utf8 + kUnreadable + "\r\n"},
        {"UTF-8 with BOM", kBom + utf8 + kUnreadable + "\r\n"},
        {"UTF-8 with BOM, LF", kBom + Utf8Settings("\n") + kUnreadable + "\n"},
        {"UTF-8, CR", Utf8Settings("\r") + kUnreadable + "\r"},
        {"UTF-8 options, CP932 source",
         "頻度分析Opt=True\r\n5分割傾向分析Opt=True\r\n; 自分のメモ\r\n" +
             Cp932("最新化URL=http://example.jp/当選.csv\r\n") + kUnreadable + "\r\n"},
    };
}

void ExpectSettingsRead(const fs::path& file) {
    PredictionOptions read;
    ReadInitFile(file, read);
    EXPECT_EQ(read.CountReflected(), 2);
    EXPECT_TRUE(read.reflect[0]);
    EXPECT_TRUE(read.reflect[8]);
    EXPECT_EQ(ReadRefreshSource(file), "http://example.jp/当選.csv");
}

class SettingsEncodingTest : public ::testing::Test {
protected:
    fs::path File() const { return mFolder.Path() / "ピルモ.ini"; }
    test::TempFolder mFolder;
};

TEST_F(SettingsEncodingTest, EveryEncodingReadsAndIsWrittenBackAsCp932KeepingOtherLines) {
    for (const Encoding& encoding : Encodings()) {
        SCOPED_TRACE(encoding.name);
        WriteFileBytes(File(), encoding.bytes);
        ExpectSettingsRead(File());

        PredictionOptions options;
        ReadInitFile(File(), options);
        WriteInitFile(File(), options);
        const std::string written = ReadFileBytes(File());
        EXPECT_EQ(written.rfind(FormatInitText(options), 0), 0u) << "CP932 options first";
        EXPECT_NE(written.find("\r\n" + Cp932("; 自分のメモ") + "\r\n"), std::string::npos);
        EXPECT_NE(written.find("\r\n" + kUnreadable + "\r\n"), std::string::npos);
        EXPECT_EQ(written.find(kBom), std::string::npos);
        ExpectSettingsRead(File());

        SaveRefreshSource(File(), "http://example.jp/b.csv");
        const std::string resaved = ReadFileBytes(File());
        EXPECT_EQ(resaved.rfind(FormatInitText(options), 0), 0u);
        EXPECT_NE(resaved.find(Cp932("; 自分のメモ")), std::string::npos);
        EXPECT_EQ(ReadRefreshSource(File()), "http://example.jp/b.csv");
    }
}

// A file it cannot read whole, or whose lines it could not write back, stays as it is.
TEST_F(SettingsEncodingTest, NeverRewritesAFileItCannotKeepWhole) {
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    EXPECT_THROW(WriteInitFile(File(), PredictionOptions()), InitFileError);
    EXPECT_TRUE(fs::is_fifo(File()));
    fs::remove(File());

    const std::string emoji = Utf8Settings("\r\n") + "; 🎲\r\n";
    WriteFileBytes(File(), emoji);
    EXPECT_THROW(WriteInitFile(File(), PredictionOptions()), InitFileError);
    EXPECT_THROW(SaveRefreshSource(File(), "http://example.jp/b.csv"), HistoryError);
    EXPECT_EQ(ReadFileBytes(File()), emoji);
}

}  // namespace
}  // namespace pirumo
