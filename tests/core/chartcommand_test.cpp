#include <gtest/gtest.h>

#include <filesystem>

#include "clirun.h"
#include "filebytes.h"
#include "testhistory.h"

namespace pirumo {
namespace {

// `show --format png --chart` writes a picture of the window's charts; every wrong combination
// is refused in Japanese with status 2 and writes nothing.
TEST(ChartCommand, WritesAPngAndRefusesWhatItCannotDraw) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(test::RunCliIn(folder, {"--db", db, "sample", "--draws", "80"}).status, 0);
    const std::string png = (folder.Path() / "chart.png").string();

    const test::CliResult written = test::RunCliIn(
        folder, {"--db", db, "show", "出現回数分析", "--format", "png", "--chart", "--out", png});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(test::ReadFileBytes(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_TRUE(written.out.empty());

    const std::string refused = (folder.Path() / "refused.png").string();
    for (const auto& [args, words] : {
             std::pair{std::vector<std::string>{"--format", "png"}, "--format png --chart"},
             std::pair{std::vector<std::string>{"--chart"}, "--format png --chart"},
             std::pair{std::vector<std::string>{"--format", "json", "--chart"},
                       "--format png --chart"},
             std::pair{std::vector<std::string>{"--format", "png", "--chart", "--chance"},
                       "--chance はグラフ"},
         }) {
        std::vector<std::string> command{"--db", db, "show", "出現回数分析", "--out", refused};
        command.insert(command.end(), args.begin(), args.end());
        const test::CliResult result = test::RunCliIn(folder, command);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find(words), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(refused));
    }
}

}  // namespace
}  // namespace pirumo
