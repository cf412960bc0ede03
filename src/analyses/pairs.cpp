#include "analyses/pairs.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analyses/chance/chancemodel.h"
#include "analyses/chance/pairchance.h"
#include "analyses/pairsgrid.h"

namespace pirumo {

PairResult AnalysePairs(const DrawHistory& history) {
    std::array<std::array<int, kHighestNumber + 1>, kHighestNumber + 1> together{};
    PairResult result;
    history.ForEachValidDraw([&](const Draw& draw) {
        ++result.draws;
        for (int i = 0; i < 5; ++i) {
            for (int j = 0; j < 5; ++j) {
                if (draw.Main(i) < draw.Main(j)) {
                    ++together[static_cast<std::size_t>(draw.Main(i))]
                              [static_cast<std::size_t>(draw.Main(j))];
                }
            }
        }
    });
    for (int a = kLowestNumber; a <= kHighestNumber; ++a) {
        for (int b = a + 1; b <= kHighestNumber; ++b) {
            PairCount& pair = result.pairs.emplace_back();
            pair.first = a;
            pair.second = b;
            pair.figure =
                CountFigure(std::to_string(a) + "-" + std::to_string(b),
                            together[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)],
                            result.draws, kPairChance);
        }
    }
    if (result.draws > 0) {
        std::vector<PairCount*> furthest;
        for (PairCount& pair : result.pairs) {
            furthest.push_back(&pair);
        }
        // Every pair has the same expectation, so the plain difference ranks them.
        std::stable_sort(furthest.begin(), furthest.end(),
                         [](const PairCount* x, const PairCount* y) {
                             return std::abs(x->figure.observed - x->figure.expected) >
                                    std::abs(y->figure.observed - y->figure.expected);
                         });
        for (int i = 0; i < kMarkedPairs; ++i) {
            furthest[static_cast<std::size_t>(i)]->marked = true;
        }
    }
    return result;
}

Analysis PairAnalysis() {
    Analysis analysis = MakeAnalysis(
        "ペア分析", "ペア分析", "二つの本数字が同じ回に出た回数を、偶然の期待値と比べて分析します",
        AnalysePairs,
        [](const PairResult& result, ResultGrid& grid) {
            FillPairGrid(result, grid, PairOrder::ByPair);
        },
        ComparePairs);
    for (const auto& [caption, order] :
         {std::pair{"数字の組合せ順", PairOrder::ByPair},
          std::pair{"回数の多い順", PairOrder::ByCount},
          std::pair{"期待値との差の大きい順", PairOrder::ByDifference}}) {
        analysis.orders.push_back(MakeAnalysisOrder(
            caption, AnalysePairs, [order](const PairResult& result, ResultGrid& grid) {
                FillPairGrid(result, grid, order);
            }));
    }
    return analysis;
}

}  // namespace pirumo
