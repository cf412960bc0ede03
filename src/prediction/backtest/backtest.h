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
    // Bit n set when number n was shown.
    std::array<std::uint32_t, kMethodCount> poolBits{};
    std::array<int, kMethodCount> matches{};  // pool numbers among the five drawn
    std::optional<DrawPrizes> prizes;         // the draw's published prizes, when known
    // Every method's rows and each row's prize class, in one allocation: a check of 32,767 draws
    // keeps them all, and a vector per row would take most of its memory. Per method, each row's
    // numbers, kRowEnd and the row's class, then kMethodEnd.
    std::vector<std::uint8_t> shownRows;
    static constexpr std::uint8_t kRowEnd = 0xFF;
    static constexpr std::uint8_t kMethodEnd = 0xFE;

    // What a method showed, row by row, and every method's rows.
    PredictionRows Shown(int method) const;
    std::array<PredictionRows, kMethodCount> Shown() const;
    // Per row of a method: its prize class, kNoPrize also for a row that is not a ticket.
    std::vector<PrizeClass> RowPrizes(int method) const;
    // The method's rows that are tickets (five distinct numbers).
    int Tickets(int method) const;
    // The distinct numbers a method showed, ascending, and how many there are.
    std::vector<int> Pool(int method) const;
    int PoolSize(int method) const;

    // Calls visit(numbers, prize class) for each row of the method.
    template <typename Visit>
    void ForEachRow(int method, Visit visit) const {
        std::size_t at = 0;
        for (int m = 0; m < method; ++m) {
            while (shownRows[at++] != kMethodEnd) {
            }
        }
        std::vector<int> numbers;
        while (shownRows[at] != kMethodEnd) {
            numbers.clear();
            for (; shownRows[at] != kRowEnd; ++at) {
                numbers.push_back(shownRows[at]);
            }
            visit(std::as_const(numbers), static_cast<PrizeClass>(shownRows[at + 1]));
            at += 2;
        }
    }
};

// Scores the rows each method showed against a valid draw. The rows hold numbers 1..31.
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

struct BacktestResult {
    int from = 0;
    int to = 0;
    int reflected = 0;
    std::vector<BacktestDraw> draws;
    std::array<MethodSummary, kMethodCount> summary;
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
// draw. A cancelled run returns the draws checked so far. The yen figures are a step of their
// own (MoneyOfBacktest): their simulation costs several times the check itself.
BacktestResult RunBacktest(const DrawHistory& history, const PredictionOptions& options, int from,
                           int to, const BacktestProgress& progress = {});

// Adds one scored draw to the totals (the chart's cumulative lines use it too).
void AddToSummary(const BacktestDraw& draw, std::array<MethodSummary, kMethodCount>& summary);

}  // namespace pirumo
