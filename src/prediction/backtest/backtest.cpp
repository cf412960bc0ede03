#include "prediction/backtest/backtest.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

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
    std::size_t size = 0;
    for (const PredictionRows& rows : shown) {
        for (const auto& row : rows) {
            size += row.size() + 2;
        }
        ++size;
    }
    scored.shownRows.reserve(size);
    for (int m = 0; m < kMethodCount; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        const std::vector<int> pool = PoolOf(shown[mi]);
        for (const int n : pool) {
            scored.poolBits[mi] |= std::uint32_t{1} << n;
        }
        scored.matches[mi] = CountMainMatches(pool, draw);
        for (const auto& row : shown[mi]) {
            for (const int n : row) {
                if (n < 1 || n > 31) {
                    throw std::invalid_argument("予想の数字が 1～31 の範囲にありません。");
                }
                scored.shownRows.push_back(static_cast<std::uint8_t>(n));
            }
            scored.shownRows.push_back(BacktestDraw::kRowEnd);
            scored.shownRows.push_back(
                static_cast<std::uint8_t>(IsTicket(row) ? ClassifyTicket(row, draw) : kNoPrize));
        }
        scored.shownRows.push_back(BacktestDraw::kMethodEnd);
    }
    return scored;
}

PredictionRows BacktestDraw::Shown(int method) const {
    PredictionRows shown;
    ForEachRow(method,
               [&shown](const std::vector<int>& numbers, PrizeClass) { shown.push_back(numbers); });
    return shown;
}

std::array<PredictionRows, kMethodCount> BacktestDraw::Shown() const {
    std::array<PredictionRows, kMethodCount> shown;
    for (int m = 0; m < kMethodCount; ++m) {
        shown[static_cast<std::size_t>(m)] = Shown(m);
    }
    return shown;
}

std::vector<PrizeClass> BacktestDraw::RowPrizes(int method) const {
    std::vector<PrizeClass> prizes;
    ForEachRow(method,
               [&prizes](const std::vector<int>&, PrizeClass prize) { prizes.push_back(prize); });
    return prizes;
}

int BacktestDraw::Tickets(int method) const {
    int tickets = 0;
    ForEachRow(method, [&tickets](const std::vector<int>& numbers, PrizeClass) {
        tickets += IsTicket(numbers) ? 1 : 0;
    });
    return tickets;
}

std::vector<int> BacktestDraw::Pool(int method) const {
    const std::uint32_t bits = poolBits[static_cast<std::size_t>(method)];
    std::vector<int> pool;
    pool.reserve(static_cast<std::size_t>(std::popcount(bits)));
    for (int n = 1; n <= 31; ++n) {
        if ((bits >> n & 1U) != 0) {
            pool.push_back(n);
        }
    }
    return pool;
}

int BacktestDraw::PoolSize(int method) const {
    return std::popcount(poolBits[static_cast<std::size_t>(method)]);
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
    pool.reserve(static_cast<std::size_t>(std::count(seen.begin(), seen.end(), true)));
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
        const int k = draw.PoolSize(static_cast<int>(m));
        ++s.draws;
        s.matches += draw.matches[m];
        s.poolNumbers += k;
        s.chanceMatches += ChanceMatches(k);
        s.chanceVariance += ChanceVariance(k);
        draw.ForEachRow(static_cast<int>(m), [&s](const std::vector<int>& row, PrizeClass prize) {
            if (IsTicket(row)) {
                ++s.tickets;
                if (prize != kNoPrize) {
                    ++s.prizes[static_cast<std::size_t>(prize)];
                }
            }
        });
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
    return result;
}

}  // namespace pirumo
