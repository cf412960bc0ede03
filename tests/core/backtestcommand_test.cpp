// pirumo-cli backtest and check on the real history, compared with the prediction of a history
// cut short and with a direct count over the CSV.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <sstream>

#include "clirun.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "prediction/backtest/backtest.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/initfile.h"

namespace pirumo {
namespace {

QJsonObject ParseJson(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

QString Key(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<int> Ints(const QJsonArray& array) {
    std::vector<int> numbers;
    for (const QJsonValue& v : array) {
        numbers.push_back(v.toInt());
    }
    return numbers;
}

// The value cells of one grid of `predict --format json`, rows 2 on, columns 2 to 6.
std::vector<std::vector<int>> ValueCells(const QJsonObject& grid) {
    std::vector<std::vector<int>> rows;
    const QJsonArray text = grid.value(QStringLiteral("text")).toArray();
    for (qsizetype r = 1; r < text.size(); ++r) {
        std::vector<int>& row = rows.emplace_back();
        const QJsonArray cells = text[r].toArray();
        for (qsizetype c = 1; c <= 5; ++c) {
            const QString cell = cells[c].toString();
            if (!cell.isEmpty()) {
                row.push_back(cell.toInt());
            }
        }
    }
    return rows;
}

class BacktestCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        mCsv = test::ReadFileBytes(test::RealHistoryCsv());
        mDraws = ParseCsvHistory(mCsv);
        ReplaceHistoryFile(Db(), mDraws);
    }

    std::string Db() const { return (mFolder.Path() / "Pirumo.mdb").string(); }
    std::string InFolder(const std::string& name) const { return (mFolder.Path() / name).string(); }

    test::TempFolder mFolder;
    std::string mCsv;
    std::vector<Draw> mDraws;
};

TEST_F(BacktestCommandTest, EachDrawShowsWhatPredictGivesOnTheDrawsBeforeIt) {
    PredictionOptions options;
    options.reflect[2] = true;
    options.reflect[7] = true;
    const std::string ini = InFolder("ピルモ.ini");
    WriteInitFile(ini, options);
    const test::CliResult run =
        test::RunCliIn(mFolder, {"--db", Db(), "backtest", "--ini", ini, "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = ParseJson(run.out);
    const auto [first, last] = DefaultBacktestRange(DrawHistory(mDraws));
    EXPECT_EQ(json.value(QStringLiteral("from")).toInt(), first);
    EXPECT_EQ(json.value(QStringLiteral("to")).toInt(), last);
    EXPECT_EQ(json.value(QStringLiteral("reflected")).toInt(), 2);
    const QJsonArray draws = json.value(QStringLiteral("draws")).toArray();
    ASSERT_EQ(draws.size(), last - first + 1);

    for (const int n : {first, first + 1, 700, last}) {
        SCOPED_TRACE("draw " + std::to_string(n));
        const QJsonObject entry = draws[n - first].toObject();
        ASSERT_EQ(entry.value(QStringLiteral("draw")).toInt(), n);
        const Draw& actual = mDraws[static_cast<std::size_t>(n - 1)];
        ASSERT_EQ(actual.drawNumber, n);
        const std::vector<int> drawn = Ints(entry.value(QStringLiteral("actual")).toArray());
        EXPECT_EQ(drawn, (std::vector<int>{actual.Main(0), actual.Main(1), actual.Main(2),
                                           actual.Main(3), actual.Main(4)}));
        EXPECT_EQ(entry.value(QStringLiteral("bonus")).toInt(), actual.Bonus());

        const std::string shortDb = InFolder("short.mdb");
        ReplaceHistoryFile(shortDb, std::vector<Draw>(mDraws.begin(), mDraws.begin() + (n - 1)));
        const test::CliResult predict =
            test::RunCliIn(mFolder, {"--db", shortDb, "predict", "--ini", ini, "--format", "json"});
        ASSERT_EQ(predict.status, 0) << predict.err;
        const QJsonArray grids = ParseJson(predict.out).value(QStringLiteral("grids")).toArray();
        for (int m = 0; m < kMethodCount; ++m) {
            const QString method = Key(kMethodNames[static_cast<std::size_t>(m)]);
            std::vector<std::vector<int>> shown;
            std::vector<int> pool;
            for (const QJsonValue& row :
                 entry.value(QStringLiteral("methods")).toObject().value(method).toArray()) {
                shown.push_back(Ints(row.toArray()));
                pool.insert(pool.end(), shown.back().begin(), shown.back().end());
            }
            EXPECT_EQ(shown, ValueCells(grids[m].toObject())) << method.toStdString();
            std::sort(pool.begin(), pool.end());
            pool.erase(std::unique(pool.begin(), pool.end()), pool.end());
            const auto hits = std::count_if(pool.begin(), pool.end(), [&](int x) {
                return std::find(drawn.begin(), drawn.end(), x) != drawn.end();
            });
            EXPECT_EQ(entry.value(QStringLiteral("matches")).toObject().value(method).toInt(), hits)
                << method.toStdString();
        }
    }
}

TEST_F(BacktestCommandTest, CheckAgreesWithACountOverTheCsv) {
    for (const std::vector<int>& numbers :
         {std::vector<int>{6, 11, 13, 14, 18}, {1, 2, 3, 4, 5}, {7, 12, 19, 25, 31}}) {
        std::array<std::vector<int>, 4> expected;
        std::istringstream lines(mCsv);
        std::string line;
        std::getline(lines, line);  // header
        while (std::getline(lines, line)) {
            std::vector<int> fields;
            std::istringstream cells(line);
            std::string cell;
            while (std::getline(cells, cell, ',')) {
                fields.push_back(cell.find('/') == std::string::npos ? std::atoi(cell.c_str()) : 0);
            }
            if (fields.size() < 8) {
                continue;
            }
            int main = 0;
            bool bonus = false;
            for (int x : numbers) {
                main += std::count(fields.begin() + 2, fields.begin() + 7, x) > 0;
                bonus = bonus || fields[7] == x;
            }
            const int prize = main == 5 ? 0 : main == 4 ? (bonus ? 1 : 2) : main == 3 ? 3 : -1;
            if (prize >= 0) {
                expected[static_cast<std::size_t>(prize)].push_back(fields[0]);
            }
        }
        std::vector<std::string> args{"--db", Db(), "check"};
        for (int x : numbers) {
            args.push_back(std::to_string(x));
        }
        args.insert(args.end(), {"--format", "json"});
        const test::CliResult run = test::RunCliIn(mFolder, args);
        ASSERT_EQ(run.status, 0) << run.err;
        const QJsonObject json = ParseJson(run.out);
        EXPECT_EQ(Ints(json.value(QStringLiteral("numbers")).toArray()), numbers);
        for (int p = 0; p < 4; ++p) {
            const QString prize = Key(kPrizeClassNames[static_cast<std::size_t>(p)]);
            EXPECT_EQ(Ints(json.value(QStringLiteral("wins")).toObject().value(prize).toArray()),
                      expected[static_cast<std::size_t>(p)])
                << ::testing::PrintToString(numbers) << " " << prize.toStdString();
        }
        EXPECT_EQ(json.value(QStringLiteral("odds"))
                      .toObject()
                      .value(Key("3等"))
                      .toObject()
                      .value(QStringLiteral("combinations"))
                      .toInt(),
                  125);
    }
    const test::CliResult run =
        test::RunCliIn(mFolder, {"--db", Db(), "check", "6", "11", "13", "14", "18"});
    EXPECT_NE(run.out.find("第1353回 2025/09/23"), std::string::npos) << run.out;
}

TEST_F(BacktestCommandTest, EveryFormatHoldsTheRangeAndOutWritesWhatStandardOutputGets) {
    const std::vector<std::pair<std::string, std::string>> formats{
        {"text", "予想の検証　第1300回～第1310回（11 回分"},
        {"csv", "回,日付,当選数字,ボーナス数字,周期法,一致"},
        {"html", "<!DOCTYPE html>"},
        {"json", "\"from\": 1300"},
    };
    for (const auto& [format, mark] : formats) {
        const std::vector<std::string> args{"--db", Db(),   "backtest", "--from", "1300",
                                            "--to", "1310", "--format", format};
        const test::CliResult run = test::RunCliIn(mFolder, args);
        ASSERT_EQ(run.status, 0) << format << run.err;
        EXPECT_NE(run.out.find(mark), std::string::npos) << format;
        EXPECT_NE(run.out.find("1310"), std::string::npos) << format;
        std::vector<std::string> toFile = args;
        toFile.insert(toFile.end(), {"--out", InFolder("out." + format)});
        ASSERT_EQ(test::RunCliIn(mFolder, toFile).status, 0) << format;
        EXPECT_EQ(test::ReadFileBytes(InFolder("out." + format)), run.out) << format;
    }
    const test::CliResult csv = test::RunCliIn(
        mFolder, {"--db", Db(), "backtest", "--from", "1300", "--to", "1310", "--format", "csv"});
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 12);
}

TEST_F(BacktestCommandTest, BadArgumentsAreRefusedInJapaneseWithoutOutput) {
    const std::string out = InFolder("out.json");
    const std::vector<std::vector<std::string>> cases{
        {"check", "1", "2", "3", "4"},
        {"check", "1", "2", "3", "4", "4"},
        {"check", "1", "2", "3", "4", "32"},
        {"check", "1", "2", "3", "4", "x"},
        {"check", "1", "2", "3", "4", "5", "--format", "csv"},
        {"backtest", "--from", "100", "--to", "50"},
        {"backtest", "--from", "abc"},
        {"backtest", "--from", "2000", "--to", "2100"},
        {"backtest", "--format", "pdf"},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), {"--db", Db()});
        args.insert(args.end(), {"--out", out});
        const test::CliResult run = test::RunCliIn(mFolder, args);
        EXPECT_NE(run.status, 0) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("pirumo-cli: "), std::string::npos);
        EXPECT_GT(std::count_if(run.err.begin(), run.err.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xE3; }),
                  0)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << ::testing::PrintToString(args);
    }
}

TEST_F(BacktestCommandTest, PredictLogRecordsEachNewPredictionBesideTheHistory) {
    const std::string ini = InFolder("ピルモ.ini");
    const std::filesystem::path log = PredictionLogPath(Db());
    EXPECT_EQ(log.filename().string(), "Pirumo-予想記録.txt");
    ASSERT_EQ(test::RunCliIn(mFolder, {"--db", Db(), "predict", "--ini", ini, "--log"}).status, 0);
    ASSERT_EQ(test::RunCliIn(mFolder, {"--db", Db(), "predict", "--ini", ini, "--log"}).status, 0);
    std::vector<PredictionLogEntry> entries = ReadPredictionLog(log);
    ASSERT_EQ(entries.size(), 1u);  // the same prediction again adds nothing
    EXPECT_EQ(entries[0].targetDraw, mDraws.back().drawNumber + 1);

    PredictionOptions options;
    options.reflect[0] = true;
    WriteInitFile(ini, options);
    ASSERT_EQ(test::RunCliIn(mFolder, {"--db", Db(), "predict", "--ini", ini, "--log"}).status, 0);
    entries = ReadPredictionLog(log);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].options, options);

    // Replacing the history keeps the log; once the draw is in, the prediction is scored, unless
    // it was first shown on a day after the draw.
    Draw next = mDraws.back();
    next.drawNumber += 1;
    mDraws.push_back(next);
    for (const auto& [drawDate, scored] : {std::pair{entries[1].shownAt.substr(0, 10), true},
                                           std::pair{std::string("2000/01/04"), false}}) {
        mDraws.back().date = drawDate;
        ReplaceHistoryFile(Db(), mDraws);
        const std::vector<LoggedPrediction> compared =
            CompareLoggedPredictions(OpenDrawHistory(Db()), ReadPredictionLog(log));
        ASSERT_EQ(compared.size(), 2u);
        ASSERT_EQ(compared[1].scored.has_value(), scored) << drawDate;
        EXPECT_EQ(compared[1].shownAfterDraw, !scored);
        if (scored) {
            EXPECT_EQ(compared[1].scored->Shown(), entries[1].shown);
            EXPECT_EQ(compared[1].scored->drawNumber, next.drawNumber);
        }
    }
}

}  // namespace
}  // namespace pirumo
