#include "history/import/importsource.h"

#include <gtest/gtest.h>

#include "historybodies.h"

namespace pirumo {
namespace {

TEST(ImportSourceTest, FilesAreRecognisedByContentWhateverTheirName) {
    test::TempFolder folder;
    const auto made = folder.Path() / "made.mdb";
    ReplaceHistoryFile(made, test::SomeDraws(4));
    const std::string history = test::ReadFileBytes(made);
    const std::string jet = test::ReadFileBytes(test::HandMadeJetFile());  // three draws
    const std::string csv =
        "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n1,1,2,3,4,5,6\n2,7,8,9,10,11,"
        "12\n";
    const struct {
        const char* name;
        const std::string& bytes;
        ImportSource kind;
        std::size_t draws;
    } cases[] = {
        {"Pirumo.mdb.bak", history, ImportSource::kHistoryFile, 4},
        {"history.csv", history, ImportSource::kHistoryFile, 4},
        {"jet.bak", jet, ImportSource::kAccessFile, 3},
        {"jet.csv", jet, ImportSource::kAccessFile, 3},
        {"draws.mdb", csv, ImportSource::kCsvFile, 2},
        {"draws", csv, ImportSource::kCsvFile, 2},
    };
    for (const auto& c : cases) {
        const auto source = folder.Path() / c.name;
        test::WriteFileBytes(source, c.bytes);
        const auto target = folder.Path() / "Pirumo.mdb";
        EXPECT_EQ(RecogniseImportSource(source), c.kind) << c.name;
        EXPECT_EQ(ImportHistory(source, target), static_cast<int>(c.draws)) << c.name;
        EXPECT_EQ(ReadHistoryRows(target).size(), c.draws) << c.name;
    }
}

}  // namespace
}  // namespace pirumo
