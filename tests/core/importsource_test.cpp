#include "history/import/importsource.h"

#include <gtest/gtest.h>

#include "historybodies.h"
#include "inprocessaccessreader.h"

namespace pirumo {
namespace {

// One pass: the source is read once (a Jet file once through the reader, nothing else through
// it), and the history returned is the one the file now holds, sample mark included.
TEST(ImportSourceTest, FilesAreRecognisedByContentAndTheWrittenHistoryComesBack) {
    test::TempFolder folder;
    const auto made = folder.Path() / "made.mdb";
    ReplaceHistoryFile(made, test::SomeDraws(4));
    const std::string history = test::ReadFileBytes(made);
    ReplaceHistoryFile(made, test::SomeDraws(5), HistoryKind::kSample);
    const std::string sample = test::ReadFileBytes(made);
    const std::string jet = test::ReadFileBytes(test::HandMadeJetFile());  // three draws
    // Out of order, as a hand-made file may be.
    const std::string csv =
        "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n2,7,8,9,10,11,12\n1,1,2,3,4,5,"
        "6\n";
    const struct {
        const char* name;
        const std::string& bytes;
        ImportSource kind;
        std::size_t draws;
        bool sample;
    } cases[] = {
        {"Pirumo.mdb.bak", history, ImportSource::kHistoryFile, 4, false},
        {"history.csv", history, ImportSource::kHistoryFile, 4, false},
        {"sample.mdb", sample, ImportSource::kHistoryFile, 5, true},
        {"jet.bak", jet, ImportSource::kAccessFile, 3, false},
        {"jet.csv", jet, ImportSource::kAccessFile, 3, false},
        {"draws.mdb", csv, ImportSource::kCsvFile, 2, false},
        {"draws", csv, ImportSource::kCsvFile, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto source = folder.Path() / c.name;
        test::WriteFileBytes(source, c.bytes);
        const auto target = folder.Path() / "Pirumo.mdb";
        const test::InProcessAccessReader access;
        const ImportedHistory imported = ImportHistory(source, target, access);
        EXPECT_EQ(imported.source, c.kind);
        EXPECT_EQ(access.Reads(), c.kind == ImportSource::kAccessFile ? 1 : 0);
        EXPECT_EQ(imported.history.Rows().size(), c.draws);
        EXPECT_EQ(imported.history.IsSample(), c.sample);
        const DrawHistory stored = OpenDrawHistory(target);
        EXPECT_EQ(imported.history.Rows(), stored.Rows());
        EXPECT_EQ(imported.history.IsSample(), stored.IsSample());
        EXPECT_EQ(imported.history.LastDrawNumber(), stored.LastDrawNumber());
    }
}

}  // namespace
}  // namespace pirumo
