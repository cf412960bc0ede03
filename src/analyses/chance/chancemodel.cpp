#include "analyses/chance/chancemodel.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <utility>

#include "analyses/chance/chancewords.h"

namespace pirumo {

namespace {

// The smallest k in [0, trials] with cdf(k) >= target (cdf is non-decreasing).
int SmallestCountReaching(const boost::math::binomial_distribution<>& count, int trials,
                          double target) {
    int low = 0;
    int high = trials;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (boost::math::cdf(count, middle) >= target) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

}  // namespace

CountRange BinomialRange(int trials, double p) {
    if (trials <= 0 || p <= 0) {
        return {};
    }
    if (p >= 1) {
        return {trials, trials, 0};
    }
    const boost::math::binomial_distribution<> count(trials, p);
    constexpr double kTail = 0.025;
    CountRange range;
    // The lowest count whose lower tail holds more than 2.5 %: what lies below holds at most that.
    range.low = SmallestCountReaching(count, trials, std::nextafter(kTail, 1.0));
    range.high = SmallestCountReaching(count, trials, 1 - kTail);
    const double below = range.low > 0 ? boost::math::cdf(count, range.low - 1) : 0;
    const double above = boost::math::cdf(boost::math::complement(count, range.high));
    range.outsideProbability = below + above;
    return range;
}

double BinomialAtMost(int trials, double p, int k) {
    if (k < 0) {
        return 0;
    }
    if (k >= trials || p <= 0) {
        return 1;
    }
    return boost::math::cdf(boost::math::binomial_distribution<>(trials, p), k);
}

ChanceFigure CountFigure(std::string label, int observed, int trials, double p) {
    const CountRange range = BinomialRange(trials, p);
    return {std::move(label),
            static_cast<double>(observed),
            trials * p,
            static_cast<double>(range.low),
            static_cast<double>(range.high),
            range.outsideProbability};
}

ChanceTable DistributionTable(std::string title, std::string unit,
                              const std::vector<ChanceClass>& classes, int trials) {
    ChanceTable table{std::move(title), std::move(unit), true, {}};
    for (const ChanceClass& c : classes) {
        table.figures.push_back(CountFigure(c.label, c.observed, trials, c.probability));
    }
    return table;
}

ChanceTest ChiSquareTest(std::string name, const std::vector<double>& observed,
                         const std::vector<double>& expected, double scale) {
    // Small expectations make the chi-square approximation poor; merge them into neighbours.
    constexpr double kLeastExpected = 5;
    std::vector<std::pair<double, double>> merged;  // observed, expected
    double pendingObserved = 0;
    double pendingExpected = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        pendingObserved += observed[i];
        pendingExpected += expected[i];
        if (pendingExpected >= kLeastExpected) {
            merged.emplace_back(pendingObserved, pendingExpected);
            pendingObserved = 0;
            pendingExpected = 0;
        }
    }
    if (pendingExpected > 0 && !merged.empty()) {
        merged.back().first += pendingObserved;
        merged.back().second += pendingExpected;
    }
    ChanceTest test;
    test.name = std::move(name);
    if (merged.size() < 2) {
        test.verdict = "回数が少なすぎて検定できません。";
        return test;
    }
    for (const auto& [o, e] : merged) {
        test.statistic += (o - e) * (o - e) / e;
    }
    test.statistic *= scale;
    test.performed = true;
    test.degreesOfFreedom = static_cast<int>(merged.size()) - 1;
    test.pValue = boost::math::cdf(boost::math::complement(
        boost::math::chi_squared_distribution<>(test.degreesOfFreedom), test.statistic));
    test.verdict = PValueInWords(test.pValue);
    return test;
}

ChanceTest ChiSquareTest(std::string name, const ChanceTable& table, double scale) {
    std::vector<double> observed;
    std::vector<double> expected;
    for (const ChanceFigure& figure : table.figures) {
        observed.push_back(figure.observed);
        expected.push_back(figure.expected);
    }
    return ChiSquareTest(std::move(name), observed, expected, scale);
}

double NumberChoiceScale(int picks) {
    return static_cast<double>(kChancePool - 1) / (kChancePool - picks);
}

void CountExpectedOutside(ChanceReport& report) {
    report.expectedOutside = 0;
    for (const ChanceTable& table : report.tables) {
        for (const ChanceFigure& figure : table.figures) {
            report.expectedOutside += figure.outsideProbability;
        }
    }
}

}  // namespace pirumo
