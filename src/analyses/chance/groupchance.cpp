#include "analyses/chance/groupchance.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analyses/chance/binnedtable.h"
#include "analyses/chance/chancemodel.h"
#include "analyses/chance/fairdraws.h"

namespace pirumo {

namespace {

struct NumberGroup {
    std::string name;
    int size = 0;
};

// counts[d][g]: numbers of draw d in group g.
ChanceReport CompareGroups(const std::vector<NumberGroup>& groups,
                           const std::vector<std::vector<int>>& counts, int draws) {
    ChanceReport report;
    report.draws = draws;
    std::vector<double> observedTotals(groups.size(), 0);
    std::vector<double> expectedTotals;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::vector<int> values;
        for (const auto& draw : counts) {
            values.push_back(draw[g]);
            observedTotals[g] += draw[g];
        }
        expectedTotals.push_back(static_cast<double>(draws) * kChanceAllPicks * groups[g].size /
                                 kChancePool);
        std::vector<double> probability;
        for (int k = 0; k <= kChanceAllPicks; ++k) {
            probability.push_back(ClassCountProbability(groups[g].size, kChanceAllPicks, k));
        }
        // Three or more of a small group in one draw is rare enough to count together.
        const ValueClasses classes{
            0, groups[g].size <= 2 ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2}, "個"};
        report.tables.push_back(BinnedTable(groups[g].name + " の数字が 1 回に出た数", "回",
                                            classes, probability, values, draws));
    }
    report.test = ChiSquareTest("カイ二乗検定（グループごとの数字の合計）", observedTotals,
                                expectedTotals, NumberChoiceScale(kChanceAllPicks));
    CountExpectedOutside(report);
    return report;
}

template <typename Row, std::size_t N>
std::vector<std::vector<int>> CountsOf(const std::vector<Row>& rows,
                                       std::array<int, N> Row::*counts, std::size_t groups) {
    std::vector<std::vector<int>> table;
    for (const Row& row : rows) {
        const auto& c = row.*counts;
        table.emplace_back(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(groups));
    }
    return table;
}

// 「Ａ」, 「Ｂ」, …: the letters the group windows head their groups with.
std::string FullWidthLetter(std::size_t index) {
    // U+FF21 FULLWIDTH LATIN CAPITAL LETTER A onwards, three bytes in UTF-8.
    const unsigned code = 0xFF21 + static_cast<unsigned>(index);
    return {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
            static_cast<char>(0x80 | (code & 0x3F))};
}

}  // namespace

ChanceReport CompareFourGroup(const FourGroupResult& result, int draws) {
    const std::vector<NumberGroup> groups{
        {"01～09", 9}, {"10～19", 10}, {"20～29", 10}, {"30～31", 2}};
    return CompareGroups(groups, CountsOf(result.draws, &FourGroupRow::groupCounts, groups.size()),
                         draws);
}

ChanceReport CompareGroupData(const GroupDataResult& result, int draws) {
    std::vector<NumberGroup> groups;
    for (std::size_t g = 0; g < result.groups.size(); ++g) {
        const NumberRange& range = result.groups[g];
        groups.push_back({FullWidthLetter(g) + "（" + std::to_string(range.first) + "～" +
                              std::to_string(range.last) + "）",
                          range.last - range.first + 1});
    }
    return CompareGroups(groups, CountsOf(result.draws, &GroupDataRow::groupCounts, groups.size()),
                         draws);
}

ChanceReport CompareLastDigit(const LastDigitResult& result, int draws) {
    std::vector<NumberGroup> digits;
    for (int digit = 0; digit < kLastDigitCount; ++digit) {
        int size = 0;
        for (int n = 1; n <= kChancePool; ++n) {
            size += n % kLastDigitCount == digit ? 1 : 0;
        }
        digits.push_back({"下一桁 " + std::to_string(digit), size});
    }
    return CompareGroups(digits, CountsOf(result.draws, &LastDigitRow::digitCounts, digits.size()),
                         draws);
}

namespace {

int DigitsGoingOn(const LastDigitRow& row) {
    return static_cast<int>(
        std::count_if(row.runCounts.begin(), row.runCounts.end(), [](int run) { return run > 0; }));
}

// P(k digits go on in a draw), from a fair history long enough for three decimals.
const std::vector<double>& SimulatedDigitsGoingOn() {
    static const std::vector<double> probability = [] {
        constexpr int kDraws = 100000;
        constexpr std::uint32_t kSeed = 20260601;
        const LastDigitResult fair = AnalyseLastDigit(SimulateFairHistory(kDraws, kSeed));
        std::vector<double> p(kChanceAllPicks + 1, 0);
        for (const LastDigitRow& row : fair.draws) {
            p[static_cast<std::size_t>(DigitsGoingOn(row))] += 1.0 / kDraws;
        }
        return p;
    }();
    return probability;
}

}  // namespace

ChanceReport CompareLastDigitRun(const LastDigitResult& result, int draws) {
    std::vector<int> goingOn;
    for (const LastDigitRow& row : result.draws) {
        goingOn.push_back(DigitsGoingOn(row));
    }
    ChanceReport report;
    report.draws = draws;
    report.tables.push_back(BinnedTable("連続出現が続いた下一桁の数", "回", {0, {1, 2, 3}, "個"},
                                        SimulatedDigitsGoingOn(), goingOn, draws));
    report.test =
        ChiSquareTest("カイ二乗検定（確率は固定シードのシミュレーション）", report.tables.front());
    CountExpectedOutside(report);
    return report;
}

}  // namespace pirumo
