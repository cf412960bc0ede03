#pragma once

#include <string>
#include <vector>

namespace pirumo {

// What a fair draw would give beside what the history shows: for each figure of an analysis,
// the observed value, the value expected by chance over the same draws and the range that holds
// 95 % of fair histories. The chance view, the charts and `show --chance` are all made from it.
struct ChanceFigure {
    std::string label;  // as the window names the figure: 「7」, 「奇3偶2」, 「合計 80」
    double observed = 0;
    double expected = 0;
    double low = 0;  // 95 % range, inclusive
    double high = 0;
    double outsideProbability = 0;  // how often a fair draw leaves this figure outside its range

    bool Outside() const { return observed < low || observed > high; }
};

// One set of figures drawn together: the counts per number, or one distribution (sums,
// patterns, intervals) whose figures add up to what it classifies: the draws of the range, or
// the intervals, differences or carried-over draws they give.
struct ChanceTable {
    std::string title;          // 「数字ごとの出現回数」
    std::string unit;           // what observed counts: 「回」, 「組」
    bool distribution = false;  // figures are the classes of one distribution, in order
    std::vector<ChanceFigure> figures;
};

// One overall test of the window's figures against chance.
struct ChanceTest {
    std::string name;  // 「カイ二乗検定」, 「シミュレーション（固定シード）」
    double statistic = 0;
    int degreesOfFreedom = 0;  // 0 when the test is simulated
    double pValue = 1;
    std::string verdict;     // the p-value in plain words
    bool performed = false;  // false: too few draws for the test; only the verdict says so
};

struct ChanceReport {
    int draws = 0;  // valid draws of the range the figures count
    std::vector<ChanceTable> tables;
    ChanceTest test;
    // How many figures a fair draw leaves outside their ranges on average: the yardstick for
    // OutsideCount().
    double expectedOutside = 0;
    // Figures outside their range; with dozens of figures one or two are outside by chance.
    int OutsideCount() const {
        int outside = 0;
        for (const ChanceTable& table : tables) {
            for (const ChanceFigure& figure : table.figures) {
                outside += figure.Outside() ? 1 : 0;
            }
        }
        return outside;
    }
};

}  // namespace pirumo
