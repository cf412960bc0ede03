#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "history/historycsv.h"
#include "history/historyfile.h"
#include "prediction/garuponpredictor.h"
#include "prediction/initfile.h"
#include "prediction/predictionexport.h"
#include "testhistory.h"

namespace pirumo {
namespace {

struct Result {
    int status = -1;
    std::string out;
};

Result RunCli(const std::string& arguments) {
    Result result;
    const std::string command = std::string("'") + PIRUMO_CLI_PATH + "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

class PredictCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto csv = test::RealHistoryCsv();
        if (csv.empty()) {
            GTEST_SKIP() << "the published history is not beside the repository";
        }
        std::ifstream in(csv, std::ios::binary);
        mDraws = ParseCsvHistory(std::string(std::istreambuf_iterator<char>(in), {}));
        ReplaceHistoryFile(Db(), mDraws);
    }

    std::filesystem::path Db() const { return mFolder.Path() / "Pirumo.mdb"; }
    std::filesystem::path Ini() const { return mFolder.Path() / "ピルモ.ini"; }

    std::string Expected(const PredictionOptions& options) const {
        GaruponPredictor predictor;
        predictor.Options() = options;
        predictor.Load(DrawHistory(mDraws));
        return PredictionToJson(predictor);
    }

    test::TempFolder mFolder;
    std::vector<Draw> mDraws;
};

TEST_F(PredictCommandTest, GivesTheWindowsGridsForTheSettingsFile) {
    PredictionOptions options;
    options.reflect[1] = true;
    options.reflect[8] = true;
    WriteInitFile(Ini(), options);
    const Result result = RunCli("--db " + Quoted(Db()) + " predict --ini " + Quoted(Ini()));
    ASSERT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, Expected(options));
    EXPECT_NE(result.out.find("\"reflected\":2"), std::string::npos);
    EXPECT_EQ(result.out.rfind("{\"name\":\"一発ガルポン\",\"caption\":\"一発ガルポン予想\"", 0),
              0u);
}

TEST_F(PredictCommandTest, MissingSettingsFileMeansEveryOptionOff) {
    const Result result =
        RunCli("--db " + Quoted(Db()) + " predict --ini " + Quoted(mFolder.Path() / "none.ini"));
    ASSERT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, Expected(PredictionOptions()));
}

TEST_F(PredictCommandTest, WritesTextAndHtmlToAFile) {
    const auto out = mFolder.Path() / "prediction.html";
    Result result = RunCli("--db " + Quoted(Db()) + " predict --ini " + Quoted(Ini()) +
                           " --format html --out " + Quoted(out));
    ASSERT_EQ(result.status, 0) << result.out;
    std::ifstream in(out);
    const std::string html(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(html.find("一発ガルポン予想"), std::string::npos);
    EXPECT_NE(html.find("<table"), std::string::npos);

    result = RunCli("--db " + Quoted(Db()) + " predict --ini " + Quoted(Ini()) + " --format text");
    ASSERT_EQ(result.status, 0) << result.out;
    EXPECT_NE(result.out.find("１発予想"), std::string::npos);
}

TEST_F(PredictCommandTest, RefusesBadArgumentsInJapaneseAndWritesNothing) {
    const auto out = mFolder.Path() / "x.json";
    Result result = RunCli("--db " + Quoted(Db()) + " predict --format xml --out " + Quoted(out));
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.out.find("--format"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));

    result =
        RunCli("--db " + Quoted(mFolder.Path() / "none.mdb") + " predict --out " + Quoted(out));
    EXPECT_NE(result.status, 0);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace pirumo
