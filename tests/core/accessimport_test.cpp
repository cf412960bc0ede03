#include "history/import/accessrows.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "history/historyerror.h"
#include "history/import/accesshistory.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "inprocessaccessreader.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Replaces the first occurrence of `from` in bytes with `to` (same length).
void Patch(std::string& bytes, const std::string& from, const std::string& to) {
    const auto at = bytes.find(from);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, to.size(), to);
}

// Replaces the history with the draws of a Jet file read in this process, as ImportHistory does
// once it has seen one, and returns how many draws the history now holds.
std::size_t ImportAccessHistory(const fs::path& mdbFile, const fs::path& historyFile) {
    return ReplaceHistoryFile(historyFile, test::InProcessAccessReader().Read(mdbFile))
        .Rows()
        .size();
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) {
        s += static_cast<char>(v);
    }
    return s;
}

class AccessImportTest : public ::testing::Test {
protected:
    static fs::path AccessFile(const char* name) { return test::HandMadeJetFile(name); }

    fs::path HistoryFile() const { return mFolder.Path() / "Pirumo.mdb"; }

    // Imports a damaged copy over a history that holds the three draws, expecting a refusal
    // that names the copy and leaves the history file exactly as it was.
    void ExpectRefused(const std::string& bytes, const std::string& expectedText) {
        const fs::path copy = mFolder.Path() / "damaged.mdb";
        WriteBytes(copy, bytes);
        const std::string before = ReadBytes(HistoryFile());
        try {
            ImportAccessHistory(copy, HistoryFile());
            ADD_FAILURE() << "a damaged copy was imported";
        } catch (const HistoryError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("Accessファイル「" + copy.string() + "」の"), std::string::npos)
                << message;
            EXPECT_NE(message.find(expectedText), std::string::npos) << message;
        }
        EXPECT_EQ(ReadBytes(HistoryFile()), before);
    }

    test::TempFolder mFolder;
};

TEST_F(AccessImportTest, ImportsTheQueryTableWithItsEmptyBonusAsThePublishedCsvHasIt) {
    const AccessHistory history = ReadAccessHistoryFile(AccessFile("jet4-query"));
    EXPECT_TRUE(history.foundThroughQuery);
    EXPECT_EQ(history.tableName, "当選データ");

    EXPECT_EQ(ImportAccessHistory(AccessFile("jet4-query"), HistoryFile()), 3u);
    const std::vector<Draw> rows = ReadHistoryRows(HistoryFile());
    ASSERT_EQ(rows.size(), 3u);
    Draw last = test::MakeDraw(3, {1, 8, 10, 24, 30}, 0);
    last.date = "1999/05/11";
    EXPECT_EQ(rows.back(), last);

    // Draws 1 and 2 as published, dates included; the Jet file has no prize data.
    const fs::path fromCsv = mFolder.Path() / "csv.mdb";
    ReplaceHistoryFile(fromCsv, ReadCsvHistoryFile(test::RealHistoryCsv()));
    std::vector<Draw> published = ReadHistoryRows(fromCsv);
    for (Draw& d : published) {
        d.prizes.reset();
    }
    EXPECT_EQ(std::vector<Draw>(rows.begin(), rows.begin() + 2),
              std::vector<Draw>(published.begin(), published.begin() + 2));
}

TEST_F(AccessImportTest, FindsTheDrawsTableOfAFileWithoutTheQuery) {
    const AccessHistory history = ReadAccessHistoryFile(AccessFile("jet4-no-query"));
    EXPECT_FALSE(history.foundThroughQuery);
    EXPECT_EQ(history.tableName, "当選番号表");

    EXPECT_EQ(ImportAccessHistory(AccessFile("jet4-no-query"), HistoryFile()), 2u);
    std::vector<Draw> expected = ReadAccessHistoryRows(AccessFile("jet4-query"));
    expected.pop_back();
    expected.back().date.clear();
    EXPECT_EQ(ReadHistoryRows(HistoryFile()), expected);
}

TEST_F(AccessImportTest, ReadsBytesInMemoryAsItReadsTheFile) {
    const fs::path file = AccessFile("jet4-query");
    EXPECT_TRUE(LooksLikeAccessFile(ReadBytes(file)));
    EXPECT_EQ(ReadAccessHistoryRowsFromBytes(ReadBytes(file)), ReadAccessHistoryRows(file));
}

TEST_F(AccessImportTest, RefusesCutAndDamagedCopiesAndKeepsTheHistory) {
    ImportAccessHistory(AccessFile("jet4-query"), HistoryFile());
    const std::string bytes = ReadBytes(AccessFile("jet4-query"));
    const std::size_t page = 4096;

    ExpectRefused(bytes.substr(0, bytes.size() / 2), "途中で切れているか、壊れています");
    ExpectRefused(bytes.substr(0, bytes.size() - page), "途中で切れているか、壊れています");
    ExpectRefused(bytes.substr(0, bytes.size() - 100), "途中で切れているか、壊れています");
    ExpectRefused(std::string(), "形式が読めません");

    // MSysObjects' definition pointing its page usage map at a row that does not exist made
    // libmdb dereference a null map.
    std::string lostMap = bytes;
    lostMap[2 * page + 55] = 62;
    ExpectRefused(lostMap, "途中で切れているか、壊れています");

    std::string header = bytes;
    header.replace(0, 64, 64, '\0');
    ExpectRefused(header, "形式が読めません");

    // Every page overwritten in turn: each copy is refused or, where the page holds nothing
    // the import reads, gives the same draws; none gives different draws.
    const std::vector<Draw> good = ReadAccessHistoryRowsFromBytes(bytes);
    int refused = 0;
    for (std::size_t p = 1; p < bytes.size() / page; ++p) {
        std::string damaged = bytes;
        damaged.replace(p * page, page, page, '\xA5');
        try {
            EXPECT_EQ(ReadAccessHistoryRowsFromBytes(damaged), good) << "page " << p;
        } catch (const HistoryError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST_F(AccessImportTest, RefusesValuesTheHistoryCannotHoldNamingRowAndField) {
    ImportAccessHistory(AccessFile("jet4-query"), HistoryFile());
    const std::string bytes = ReadBytes(AccessFile("jet4-query"));
    // Draw 1's stored numbers 1 3 17 20 25 26 as Integer fields; its 第3数字 becomes 45.
    const std::string draw1 = Bytes({1, 0, 3, 0, 17, 0, 20, 0, 25, 0, 26, 0});
    std::string outOfRange = bytes;
    Patch(outOfRange, draw1, Bytes({1, 0, 3, 0, 45, 0, 20, 0, 25, 0, 26, 0}));
    ExpectRefused(outOfRange, "1行目（回数 1）の第3数字「45」は1から31までの整数ではありません");

    // Draw 2's 回数 (the Long field 12 bytes before its numbers) becomes 1.
    const std::string draw2 = Bytes({2, 0, 11, 0, 12, 0, 21, 0, 30, 0, 28, 0});
    std::string repeated = bytes;
    const auto at = repeated.find(draw2);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(repeated[at - 12], '\2');
    repeated[at - 12] = '\1';
    ExpectRefused(repeated, "2行目の回数「1」は1行目と重複しています");
}

}  // namespace
}  // namespace pirumo
