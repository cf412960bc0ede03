#include "prediction/backtest/backtest.h"

#include <algorithm>
#include <cmath>

#include "prediction/backtest/backtestmoney.h"
#include "prediction/backtest/predictionreplay.h"

namespace pirumo {

namespace {

constexpr double kDrawn = 5.0;
constexpr double kNumbers = 31.0;
constexpr double kZ95 = 1.959964;

}  // namespace

BacktestDraw ScoreShownRows(const Draw& draw, std::array<PredictionRows, kMethodCount> shown) {
    BacktestDraw scored;
    scored.drawNumber = draw.drawNumber;
    scored.date = draw.date;
    for (int i = 0; i < 5; ++i) {
        scored.actual[static_cast<std::size_t>(i)] = draw.Main(i);
    }
    scored.bonus = draw.Bonus();
    scored.prizes = draw.prizes;
    for (int m = 0; m < kMethodCount; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        scored.shown[mi] = std::move(shown[mi]);
        scored.pools[mi] = PoolOf(scored.shown[mi]);
        scored.matches[mi] = CountMainMatches(scored.pools[mi], draw);
        for (const auto& row : scored.shown[mi]) {
            scored.rowPrizes[mi].push_back(IsTicket(row) ? ClassifyTicket(row, draw) : kNoPrize);
        }
    }
    return scored;
}

std::vector<int> PoolOf(const PredictionRows& rows) {
    std::array<bool, 32> seen{};
    for (const auto& row : rows) {
        for (int n : row) {
            if (n >= 1 && n <= 31) {
                seen[static_cast<std::size_t>(n)] = true;
            }
        }
    }
    std::vector<int> pool;
    for (int n = 1; n <= 31; ++n) {
        if (seen[static_cast<std::size_t>(n)]) {
            pool.push_back(n);
        }
    }
    return pool;
}

BacktestDraw ScorePrediction(const Draw& draw, const GaruponPrediction& prediction) {
    std::array<PredictionRows, kMethodCount> shown;
    for (int m = 0; m < kMethodCount; ++m) {
        shown[static_cast<std::size_t>(m)] = prediction.Rows(m);
    }
    return ScoreShownRows(draw, std::move(shown));
}

double ChanceMatches(int poolSize) {
    return kDrawn * poolSize / kNumbers;
}

double ChanceVariance(int poolSize) {
    const double k = poolSize;
    return k * (kDrawn / kNumbers) * ((kNumbers - kDrawn) / kNumbers) * (kNumbers - k) /
           (kNumbers - 1);
}

double MethodSummary::Mean() const {
    return draws == 0 ? 0.0 : static_cast<double>(matches) / draws;
}

double MethodSummary::ChanceMean() const {
    return draws == 0 ? 0.0 : chanceMatches / draws;
}

double MethodSummary::ChanceLow() const {
    return draws == 0 ? 0.0 : ChanceMean() - kZ95 * std::sqrt(chanceVariance) / draws;
}

double MethodSummary::ChanceHigh() const {
    return draws == 0 ? 0.0 : ChanceMean() + kZ95 * std::sqrt(chanceVariance) / draws;
}

double MethodSummary::ExpectedPrizes(int prizeClass) const {
    return tickets * PrizeProbability(prizeClass);
}

void AddToSummary(const BacktestDraw& draw, std::array<MethodSummary, kMethodCount>& summary) {
    for (std::size_t m = 0; m < summary.size(); ++m) {
        MethodSummary& s = summary[m];
        const int k = static_cast<int>(draw.pools[m].size());
        ++s.draws;
        s.matches += draw.matches[m];
        s.poolNumbers += k;
        s.chanceMatches += ChanceMatches(k);
        s.chanceVariance += ChanceVariance(k);
        for (std::size_t r = 0; r < draw.shown[m].size(); ++r) {
            if (IsTicket(draw.shown[m][r])) {
                ++s.tickets;
                if (draw.rowPrizes[m][r] != kNoPrize) {
                    ++s.prizes[static_cast<std::size_t>(draw.rowPrizes[m][r])];
                }
            }
        }
    }
}

std::pair<int, int> DefaultBacktestRange(const DrawHistory& history) {
    int valid = 0;
    int from = 0;
    int last = 0;
    history.ForEachValidDraw([&](const Draw& draw) {
        if (valid++ == kDefaultWarmUpDraws) {
            from = draw.drawNumber;
        }
        last = draw.drawNumber;
    });
    if (valid <= kDefaultWarmUpDraws) {
        throw BacktestError("予想の検証には有効な当選データが " +
                            std::to_string(kDefaultWarmUpDraws + 1) + " 回分以上必要です（現在 " +
                            std::to_string(valid) + " 回分）。");
    }
    return {from, last};
}

BacktestResult RunBacktest(const DrawHistory& history, const PredictionOptions& options, int from,
                           int to, const BacktestProgress& progress) {
    std::vector<const Draw*> targets;
    history.ForEachValidDraw([&](const Draw& draw) {
        if (draw.drawNumber >= from && draw.drawNumber <= to) {
            targets.push_back(&draw);
        }
    });
    if (targets.empty()) {
        throw BacktestError("第" + std::to_string(from) + "回～第" + std::to_string(to) +
                            "回に有効な当選データがありません。");
    }
    BacktestResult result;
    result.from = from;
    result.to = to;
    result.reflected = options.CountReflected();
    result.draws.reserve(targets.size());
    PredictionReplay replay(history, options);
    const int total = static_cast<int>(targets.size());
    for (const Draw* target : targets) {
        result.draws.push_back(ScorePrediction(*target, replay.PredictFor(target->drawNumber)));
        AddToSummary(result.draws.back(), result.summary);
        if (progress && !progress(static_cast<int>(result.draws.size()), total)) {
            break;
        }
    }
    result.money = MoneyOfBacktest(result.draws);
    return result;
}

}  // namespace pirumo
