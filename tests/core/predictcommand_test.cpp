#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "filebytes.h"
#include "history/drawcalendar.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "prediction/garuponpredictor.h"
#include "prediction/initfile.h"
#include "prediction/predictionexport.h"
#include "testhistory.h"

namespace pirumo {
namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pirumo-cli with the arguments (each single-quoted for the shell).
Result RunCli(const test::TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "'";
    command += PIRUMO_CLI_PATH;
    command += "'";
    for (const std::string& a : args) {
        command += " '";
        command += a;
        command += "'";
    }
    const auto out = folder.Path() / "stdout";
    const auto err = folder.Path() / "stderr";
    command += " >'";
    command += out.string();
    command += "' 2>'";
    command += err.string();
    command += "'";
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), test::ReadFileBytes(out), test::ReadFileBytes(err)};
}

class PredictCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto csv = test::RealHistoryCsv();
        std::ifstream in(csv, std::ios::binary);
        mDraws = ParseCsvHistory(std::string(std::istreambuf_iterator<char>(in), {}));
        ReplaceHistoryFile(Db(), mDraws);
    }

    std::string Db() const { return (mFolder.Path() / "Pirumo.mdb").string(); }
    std::string Ini() const { return (mFolder.Path() / "ピルモ.ini").string(); }
    std::string InFolder(const char* name) const { return (mFolder.Path() / name).string(); }

    std::string Expected(const PredictionOptions& options) const {
        GaruponPredictor predictor;
        predictor.Options() = options;
        predictor.Load(DrawHistory(mDraws));
        return PredictionToJson(predictor, NextDrawOf(DrawHistory(mDraws)));
    }

    test::TempFolder mFolder;
    std::vector<Draw> mDraws;
};

TEST_F(PredictCommandTest, GivesTheWindowsGridsForTheSettingsFile) {
    PredictionOptions options;
    options.reflect[1] = true;
    options.reflect[8] = true;
    WriteInitFile(Ini(), options);
    const Result result =
        RunCli(mFolder, {"--db", Db(), "predict", "--format", "json", "--ini", Ini()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Expected(options));
    EXPECT_NE(result.out.find("\"reflected\": 2,\n  \"grids\": [\n{\n  \"name\": \"CycleGrid\""),
              std::string::npos);
}

TEST_F(PredictCommandTest, MissingSettingsFileMeansEveryOptionOff) {
    const Result result = RunCli(
        mFolder, {"--db", Db(), "predict", "--format", "json", "--ini", InFolder("none.ini")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Expected(PredictionOptions()));
}

TEST_F(PredictCommandTest, WritesTextAndHtml) {
    const std::string out = InFolder("prediction.html");
    Result result = RunCli(
        mFolder, {"--db", Db(), "predict", "--ini", Ini(), "--format", "html", "--out", out});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string html = test::ReadFileBytes(out);
    EXPECT_NE(html.find("一発ガルポン予想"), std::string::npos);
    EXPECT_NE(html.find("<table"), std::string::npos);

    result = RunCli(mFolder, {"--db", Db(), "predict", "--ini", Ini()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("１発予想"), std::string::npos);
}

TEST_F(PredictCommandTest, RefusesInJapaneseAndWritesNothing) {
    const std::string out = InFolder("x.json");
    Result result = RunCli(mFolder, {"--db", Db(), "predict", "--format", "xml", "--out", out});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("形式"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));

    std::filesystem::create_directory(Ini());  // a settings file that cannot be read
    result = RunCli(mFolder, {"--db", Db(), "predict", "--ini", Ini(), "--out", out});
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("設定ファイル"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));

    result = RunCli(mFolder, {"--db", InFolder("none.mdb"), "predict", "--out", out});
    EXPECT_NE(result.status, 0);
    EXPECT_TRUE(result.out.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace pirumo
