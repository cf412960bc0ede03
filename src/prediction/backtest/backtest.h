#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "history/drawhistory.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/garuponprediction.h"
#include "prediction/money/randomtickets.h"
#include "prediction/predictionoptions.h"

namespace pirumo {

// The distinct numbers 1..31 of the rows, ascending.
std::vector<int> PoolOf(const PredictionRows& rows);

// How a random pool of k numbers fares against five drawn out of 31: hypergeometric mean and
// variance of the matches in one draw.
double ChanceMatches(int poolSize);
double ChanceVariance(int poolSize);

// One target draw: what each method showed from the draws before it, and how it scored.
struct BacktestDraw {
    int drawNumber = 0;
    std::string date;
    std::array<int, 5> actual{};
    int bonus = 0;
    std::array<PredictionRows, kMethodCount> shown;
    std::array<std::vector<int>, kMethodCount> pools;  // distinct numbers shown, ascending
    std::array<int, kMethodCount> matches{};           // pool numbers among the five drawn
    // Per row of each method: its prize class, kNoPrize also for a row that is not a ticket.
    std::array<std::vector<PrizeClass>, kMethodCount> rowPrizes;
    std::optional<DrawPrizes> prizes;  // the draw's published prizes, when known
};

// Scores the rows each method showed against a valid draw.
BacktestDraw ScoreShownRows(const Draw& draw, std::array<PredictionRows, kMethodCount> shown);
// Scores a prediction's rows against a valid draw.
BacktestDraw ScorePrediction(const Draw& draw, const GaruponPrediction& prediction);

// Totals of one method over the checked draws, beside what chance gives.
struct MethodSummary {
    int draws = 0;
    long long matches = 0;
    long long poolNumbers = 0;  // sum of the pool sizes
    double chanceMatches = 0;   // sum of the chance means
    double chanceVariance = 0;  // sum of the per-draw variances
    int tickets = 0;
    std::array<int, kPrizeClassCount> prizes{};

    double Mean() const;
    double ChanceMean() const;
    // The 95 % range of the mean per draw for random pools of the same sizes.
    double ChanceLow() const;
    double ChanceHigh() const;
    double ExpectedPrizes(int prizeClass) const;  // tickets × probability
};

// One method in yen: its tickets bought at every checked draw (backtest/backtestmoney.h).
struct MethodMoney {
    std::int64_t won = 0;         // the real prizes of the draws with prize data
    RandomTicketWinnings random;  // spent, draws covered, mean and 95 % range of random tickets
};

struct BacktestResult {
    int from = 0;
    int to = 0;
    int reflected = 0;
    std::vector<BacktestDraw> draws;
    std::array<MethodSummary, kMethodCount> summary;
    std::array<MethodMoney, kMethodCount> money;
};

// A failure the user can act on (a range without draws, too short a history); Japanese message.
class BacktestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Valid draws a prediction needs before it is checked by default.
inline constexpr int kDefaultWarmUpDraws = 50;

// From the first valid draw with kDefaultWarmUpDraws valid draws before it to the last valid draw.
// Throws BacktestError when the history is that short.
std::pair<int, int> DefaultBacktestRange(const DrawHistory& history);

// Called after each checked draw with the number done and the total; false cancels the run.
using BacktestProgress = std::function<bool(int done, int total)>;

// Scores the prediction for every valid draw numbered from..to, each computed fresh from the
// valid draws below it with the given options. Throws BacktestError when the range holds no valid
// draw. A cancelled run returns the draws checked so far.
BacktestResult RunBacktest(const DrawHistory& history, const PredictionOptions& options, int from,
                           int to, const BacktestProgress& progress = {});

// Adds one scored draw to the totals (the chart's cumulative lines use it too).
void AddToSummary(const BacktestDraw& draw, std::array<MethodSummary, kMethodCount>& summary);

}  // namespace pirumo
