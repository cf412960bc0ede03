#include <gtest/gtest.h>

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <numeric>

#include "analyses/analysiscatalog.h"
#include "analyses/chance/chancemodel.h"
#include "analyses/chance/fairdraws.h"
#include "analysiswindowrun.h"
#include "clirun.h"
#include "history/import/historycsv.h"

namespace pirumo {
namespace {

// P(X = k) for X ~ Binomial(n, p), from logarithms of factorials.
double BinomialProbability(int n, int k, double p) {
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                    k * std::log(p) + (n - k) * std::log1p(-p));
}

double BinomialAtMost(int n, int k, double p) {
    double sum = 0;
    for (int i = 0; i <= k; ++i) {
        sum += BinomialProbability(n, i, p);
    }
    return sum;
}

TEST(ChanceModel, CountRangesAreTheBinomialQuantiles) {
    struct Case {
        int draws;
        double p;
    };
    for (const Case c : {Case{10, 5.0 / 31}, Case{100, 5.0 / 31}, Case{1353, 6.0 / 31},
                         Case{1353, 5.0 / 31}, Case{50, 0.5}}) {
        SCOPED_TRACE(c.draws);
        const ChanceFigure figure = CountFigure("7", 0, c.draws, c.p);
        EXPECT_NEAR(figure.expected, c.draws * c.p, 1e-9);
        const int low = static_cast<int>(figure.low);
        const int high = static_cast<int>(figure.high);
        // At most 2.5 % below the range and above it, and neither end could move inwards.
        const double below = low > 0 ? BinomialAtMost(c.draws, low - 1, c.p) : 0;
        const double above = 1 - BinomialAtMost(c.draws, high, c.p);
        EXPECT_LE(below, 0.025 + 1e-9);
        EXPECT_GT(BinomialAtMost(c.draws, low, c.p), 0.025);
        EXPECT_LE(above, 0.025 + 1e-9);
        EXPECT_GT(1 - BinomialAtMost(c.draws, high - 1, c.p), 0.025);
        EXPECT_NEAR(figure.outsideProbability, below + above, 1e-9);
    }
}

TEST(ChanceModel, ChiSquareMergesSmallClassesAndGivesTheUpperTail) {
    // Two classes of 50 expected, 60 and 40 observed: 2 + 2 = 4 on one degree of freedom,
    // whose upper tail is erfc(sqrt(4 / 2)).
    const ChanceTest test = ChiSquareTest("検定", {60, 40, 0}, {50, 49, 1});
    EXPECT_EQ(test.degreesOfFreedom, 1);
    EXPECT_NEAR(test.statistic, 4, 1e-9);
    EXPECT_NEAR(test.pValue, std::erfc(std::sqrt(2.0)), 1e-9);
    EXPECT_FALSE(test.verdict.empty());
}

TEST(ChanceReport, CountsPerNumberOfTheRealHistory) {
    const DrawHistory history = test::LoadRealHistory();
    const ChanceReport report = FindAnalysis("出現回数分析")->chance(history);
    ASSERT_EQ(report.draws, 1353);
    ASSERT_EQ(report.tables.size(), 1u);
    const auto& figures = report.tables[0].figures;
    ASSERT_EQ(figures.size(), 31u);
    for (int n = 1; n <= 31; ++n) {
        const ChanceFigure& figure = figures[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(figure.label, std::to_string(n));
        EXPECT_EQ(figure.observed, history.NumberCounts()[static_cast<std::size_t>(n)]);
        EXPECT_NEAR(figure.expected, 1353 * 6.0 / 31, 1e-9);
    }
    EXPECT_EQ(report.test.degreesOfFreedom, 30);
    EXPECT_GT(report.test.pValue, 0);
    EXPECT_LT(report.test.pValue, 1);
    // Each of the 31 counts is outside with about 4.6 % chance.
    EXPECT_NEAR(report.expectedOutside, 31 * 0.046, 0.2);

    // 出現頻度分析 also counts the main numbers alone, five of 31 a draw.
    const ChanceReport frequency = FindAnalysis("出現頻度分析")->chance(history);
    ASSERT_EQ(frequency.tables.size(), 2u);
    int mainNumbers = 0;
    for (const ChanceFigure& figure : frequency.tables[1].figures) {
        EXPECT_NEAR(figure.expected, 1353 * 5.0 / 31, 1e-9) << figure.label;
        mainNumbers += static_cast<int>(figure.observed);
    }
    EXPECT_EQ(mainNumbers, 1353 * 5);
}

// The sums of all five-number choices, counted here by walking the arrangements of five chosen
// flags among 31.
std::array<double, 146> EnumeratedSums() {
    std::array<double, 146> sums{};
    std::array<bool, 31> chosen{};
    std::fill(chosen.begin(), chosen.begin() + 5, true);
    double choices = 0;
    do {
        int sum = 0;
        for (int n = 1; n <= 31; ++n) {
            sum += chosen[static_cast<std::size_t>(n - 1)] ? n : 0;
        }
        sums[static_cast<std::size_t>(sum)] += 1;
        choices += 1;
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    EXPECT_EQ(choices, 169911);
    for (double& p : sums) {
        p /= choices;
    }
    return sums;
}

TEST(ChanceModel, SumOfFiveIsTheEnumeratedDistributionWithMeanEighty) {
    const std::array<double, 146> sums = EnumeratedSums();
    double mean = 0;
    for (std::size_t s = 0; s < sums.size(); ++s) {
        mean += static_cast<double>(s) * sums[s];
    }
    EXPECT_NEAR(mean, 80, 1e-9);
    const FairDrawDistributions& fair = FairDraws();
    EXPECT_EQ(fair.combinations, 169911);
    ASSERT_EQ(fair.mainSum.size(), sums.size());
    for (std::size_t s = 0; s < sums.size(); ++s) {
        EXPECT_NEAR(fair.mainSum[s], sums[s], 1e-12) << s;
    }
    // The bonus is one of the other 26, so the total of six averages 80 + 16 (its own mean,
    // by symmetry that of any single number).
    double totalMean = 0;
    for (std::size_t s = 0; s < fair.totalSum.size(); ++s) {
        totalMean += static_cast<double>(s) * fair.totalSum[s];
    }
    EXPECT_NEAR(totalMean, 96, 1e-9);

    // The 数字合計 window's class 71～80 over the real history expects n times its share.
    const DrawHistory history = test::LoadRealHistory();
    const ChanceReport report = FindAnalysis("数字合計分析")->chance(history);
    const ChanceFigure& seventies = report.tables.at(0).figures.at(3);
    EXPECT_EQ(seventies.label, "71～80");
    EXPECT_NEAR(seventies.expected,
                1353 * std::accumulate(sums.begin() + 71, sums.begin() + 81, 0.0), 1e-6);
}

TEST(ChanceReport, PatternsAndCarriedNumbersAreHypergeometric) {
    const DrawHistory history = test::LoadRealHistory();
    // Pattern C of 低数字・高数字: two of the 15 low numbers and three of the 16 high ones.
    const ChanceReport lowHigh = FindAnalysis("低数字高数字の組合せパターン分析")->chance(history);
    const ChanceFigure& c = lowHigh.tables.at(0).figures.at(2);
    EXPECT_EQ(c.label, "C（低2・高3）");
    EXPECT_NEAR(c.expected, 1353 * (105.0 * 560.0 / 169911.0), 1e-6);
    // No number of the previous draw's six among this draw's six: C(25, 6) / C(31, 6).
    const ChanceReport carried = FindAnalysis("引っ張り分析")->chance(history);
    const ChanceFigure& none = carried.tables.at(0).figures.at(0);
    EXPECT_EQ(none.label, "0");
    EXPECT_NEAR(none.expected, 1352 * (177100.0 / 736281.0), 1e-6);
}

// Every window's probabilities against a long fair history: a wrong model shows as a tiny
// p-value with this many draws, and a distribution's expectations add up to its trials.
TEST(ChanceReport, EveryWindowFindsAFairHistoryFair) {
    const DrawHistory fair = SimulateFairHistory(3000, 7);
    for (const Analysis& analysis : Analyses()) {
        SCOPED_TRACE(analysis.name);
        ASSERT_TRUE(analysis.chance);
        const ChanceReport report = analysis.chance(fair);
        EXPECT_EQ(report.draws, 3000);
        EXPECT_GT(report.test.pValue, 0.001) << report.test.name;
        EXPECT_TRUE(report.test.performed);
        for (const ChanceTable& table : report.tables) {
            double observed = 0;
            double expected = 0;
            for (const ChanceFigure& figure : table.figures) {
                observed += figure.observed;
                expected += figure.expected;
                EXPECT_LE(figure.low, figure.expected);
                EXPECT_GE(figure.high, figure.expected);
            }
            if (table.distribution) {
                EXPECT_NEAR(observed, expected, 0.03 * observed) << table.title;
            }
        }
        // Roughly one figure in twenty lies outside by chance.
        EXPECT_LE(report.OutsideCount(), 3 * report.expectedOutside + 3);
    }
}

TEST(ChanceCli, ShowChanceAddsTheComparisonToEveryFormat) {
    test::TempFolder folder;
    const std::string db = (folder.Path() / "Pirumo.mdb").string();
    ASSERT_EQ(test::RunCliIn(folder, {"--db", db, "sample", "--draws", "80"}).status, 0);
    const auto plain =
        test::RunCliIn(folder, {"--db", db, "show", "出現頻度分析", "--format", "json"});
    const auto json = test::RunCliIn(
        folder, {"--db", db, "show", "出現頻度分析", "--format", "json", "--chance"});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject withChance =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    QJsonObject grid = withChance;
    grid.remove(QStringLiteral("chance"));
    EXPECT_EQ(grid, QJsonDocument::fromJson(QByteArray::fromStdString(plain.out)).object());
    const QJsonObject chance = withChance[QStringLiteral("chance")].toObject();
    EXPECT_EQ(chance[QStringLiteral("draws")].toInt(), 80);
    const QJsonArray figures = chance[QStringLiteral("tables")]
                                   .toArray()[0]
                                   .toObject()[QStringLiteral("figures")]
                                   .toArray();
    ASSERT_EQ(figures.size(), 31);
    EXPECT_NEAR(figures[0].toObject()[QStringLiteral("expected")].toDouble(), 80 * 6.0 / 31, 1e-9);

    for (const char* format : {"text", "csv"}) {
        const auto out = test::RunCliIn(
            folder, {"--db", db, "show", "数字合計分析", "--format", format, "--chance"});
        EXPECT_EQ(out.status, 0) << out.err;
        EXPECT_NE(out.out.find("本数字合計の分布"), std::string::npos) << format;
        EXPECT_NE(out.out.find("95 % の範囲"), std::string::npos) << format;
    }
    const auto html = test::RunCliIn(
        folder, {"--db", db, "show", "数字合計分析", "--format", "html", "--chance"});
    ASSERT_EQ(html.status, 0) << html.err;
    const auto heading = html.out.find("<h2>偶然との比較</h2>");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_LT(html.out.find("</table>"), heading) << "the window's table comes first";
    EXPECT_TRUE(html.out.ends_with("</body>\n</html>\n"));

    const std::string plainPdf = (folder.Path() / "plain.pdf").string();
    const std::string chancePdf = (folder.Path() / "chance.pdf").string();
    ASSERT_EQ(test::RunCliIn(folder, {"--db", db, "show", "数字合計分析", "--format", "pdf",
                                      "--out", plainPdf})
                  .status,
              0);
    const auto pdf = test::RunCliIn(folder, {"--db", db, "show", "数字合計分析", "--format", "pdf",
                                             "--out", chancePdf, "--chance"});
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_EQ(test::ReadFileBytes(chancePdf).rfind("%PDF", 0), 0u);
    EXPECT_GT(test::ReadFileBytes(chancePdf).size(), test::ReadFileBytes(plainPdf).size());

    const auto elsewhere = test::RunCliIn(folder, {"--db", db, "info", "--chance"});
    EXPECT_EQ(elsewhere.status, 2);
    EXPECT_TRUE(elsewhere.out.empty());
    EXPECT_NE(elsewhere.err.find("--chance は指定できません"), std::string::npos);
}

}  // namespace
}  // namespace pirumo
