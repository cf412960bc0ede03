#include "history/import/bundledhistory.h"

#include <gtest/gtest.h>

#include "filebytes.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "history/store/samplehistory.h"
#include "testhistory.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;

TEST(BundledHistoryTest, CreatesTheHistoryAndItsFolderOnceFromThePublishedResults) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "share" / "pirumo" / "Pirumo.mdb";
    const BundledHistory bundled = ReadBundledHistory(test::RealHistoryCsv());
    EXPECT_EQ(bundled.RangeText(), "第1回〜第1353回");
    const DrawHistory created = CreateHistoryFromBundled(bundled, file);
    EXPECT_EQ(created.Rows().size(), 1353u);

    const DrawHistory history = OpenDrawHistory(file);
    EXPECT_FALSE(history.IsSample());
    EXPECT_FALSE(created.IsSample());
    EXPECT_EQ(history.Rows(), ReadCsvHistoryFile(test::RealHistoryCsv()));
    EXPECT_EQ(created.Rows(), history.Rows());

    const std::string before = test::ReadFileBytes(file);
    EXPECT_THROW(CreateHistoryFromBundled(bundled, file), HistoryError);
    EXPECT_EQ(test::ReadFileBytes(file), before);
    EXPECT_FALSE(fs::exists(file.string() + ".bak"));
}

// Made-up draws carry their mark inside the file for as long as that file is used; replacing
// it with published draws clears it.
TEST(BundledHistoryTest, OnlyASampleHistoryIsMarkedAsSample) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(file, MakeSampleHistory(30, 4), HistoryKind::kSample);
    EXPECT_TRUE(OpenDrawHistory(file).IsSample());
    {
        HistoryFileEditor editor(file);
        editor.InsertDraw(31);
    }
    EXPECT_TRUE(OpenDrawHistory(file).IsSample()) << "a draw typed in makes it no less made up";

    ReplaceHistoryFile(file, ReadCsvHistoryFile(test::RealHistoryCsv()));
    EXPECT_FALSE(OpenDrawHistory(file).IsSample());
    EXPECT_TRUE(OpenDrawHistory(fs::path(file.string() + ".bak")).IsSample());
}

}  // namespace
}  // namespace pirumo
