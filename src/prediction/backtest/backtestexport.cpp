#include "prediction/backtest/backtestexport.h"

#include "grid/gridexport.h"
#include "prediction/backtest/backtestgrids.h"
#include "prediction/backtest/backtestmoney.h"
#include "prediction/backtest/backtestmoneygrid.h"
#include "prediction/backtest/backtestpower.h"
#include "prediction/money/moneytext.h"
#include "prediction/money/yentext.h"

namespace pirumo {

namespace {

std::string JsonArray(const std::vector<int>& numbers) {
    std::string json(1, '[');
    json += JoinNumbers(numbers, ',');
    json += ']';
    return json;
}

std::string JsonRows(const PredictionRows& rows) {
    std::string json = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        json += r == 0 ? "" : ", ";
        json += JsonArray(rows[r]);
    }
    return json + "]";
}

std::string DrawToJson(const BacktestDraw& d) {
    std::string json = "    {\"draw\": " + std::to_string(d.drawNumber) +
                       ", \"date\": " + JsonQuote(d.date) +
                       ", \"actual\": " + JsonArray({d.actual.begin(), d.actual.end()}) +
                       ", \"bonus\": " + std::to_string(d.bonus) + ",\n     \"methods\": {";
    for (int m = 0; m < kMethodCount; ++m) {
        json += m == 0 ? "" : ", ";
        json += JsonQuote(kMethodNames[static_cast<std::size_t>(m)]) + ": " + JsonRows(d.Shown(m));
    }
    json += "},\n     \"matches\": {";
    for (int m = 0; m < kMethodCount; ++m) {
        json += m == 0 ? "" : ", ";
        json += JsonQuote(kMethodNames[static_cast<std::size_t>(m)]) + ": " +
                std::to_string(d.matches[static_cast<std::size_t>(m)]);
    }
    return json + "}}";
}

std::string SummaryToJson(const MethodSummary& s, const MethodMoney& money) {
    std::string json = "{\"draws\": " + std::to_string(s.draws) +
                       ", \"numbers\": " + std::to_string(s.poolNumbers) +
                       ", \"matches\": " + std::to_string(s.matches) +
                       ", \"mean\": " + JsonNumber(s.Mean()) +
                       ", \"chanceMean\": " + JsonNumber(s.ChanceMean()) +
                       ", \"chanceLow\": " + JsonNumber(s.ChanceLow()) +
                       ", \"chanceHigh\": " + JsonNumber(s.ChanceHigh()) +
                       ", \"tickets\": " + std::to_string(s.tickets) + ", \"prizes\": {";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        json += p == 0 ? "" : ", ";
        json += JsonQuote(kPrizeClassNames[static_cast<std::size_t>(p)]) +
                ": {\"won\": " + std::to_string(s.prizes[static_cast<std::size_t>(p)]) +
                ", \"expected\": " + JsonNumber(s.ExpectedPrizes(p)) + "}";
    }
    return json + "}, \"prizeDraws\": " + std::to_string(money.random.coveredDraws) +
           ", \"spent\": " + std::to_string(money.random.spent) +
           ", \"won\": " + std::to_string(money.won) +
           ", \"expectedWon\": " + std::to_string(RoundedYen(money.random.expectedWon)) +
           ", \"expectedWonLow\": " + std::to_string(money.random.lowWon) +
           ", \"expectedWonHigh\": " + std::to_string(money.random.highWon) + "}";
}

std::string SummaryHeading(const BacktestResult& result) {
    return "予想の検証　第" + std::to_string(result.from) + "回～第" + std::to_string(result.to) +
           "回（" + std::to_string(result.draws.size()) + " 回分、反映するオプション " +
           std::to_string(result.reflected) + " 件）";
}

// Had the numbers been bought once at every draw: what it cost and brought, beside random tickets.
std::string NumberCheckYenText(const NumberCheckResult& result) {
    const RandomTicketWinnings& random = result.random;
    if (random.coveredDraws == 0) {
        return "\n賞金のデータがないため、金額は計算できません。\n";
    }
    std::string text = "\n毎回1口（" + YenText(kTicketPrice) + "）買っていた場合（" +
                       CoveredDrawsText(random) + "）:\n  購入額 " + YenText(random.spent) +
                       "、当せん金 " + YenText(result.Won()) + "、回収率 " +
                       ReturnRateText(static_cast<double>(result.Won()), random.spent) +
                       "\n  当せん金の内訳:";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        text += p == 0 ? " " : "、";
        text += kPrizeClassNames[pi];
        text += ' ';
        text += YenText(result.won[pi]);
    }
    return text + "\n  無作為な1口を毎回買った場合: " + RandomWinningsText(random) + "\n";
}

constexpr const char* kChanceNote =
    "どの組合せも毎回同じ確率で当たります。偶然の平均と範囲は、同じ個数の数字を無作為に選んだ場合の"
    "一致数です（範囲は 95 %）。";

}  // namespace

std::string BacktestToJson(const BacktestResult& result) {
    std::string json = "{\n  \"from\": " + std::to_string(result.from) +
                       ",\n  \"to\": " + std::to_string(result.to) +
                       ",\n  \"reflected\": " + std::to_string(result.reflected) +
                       ",\n  \"power\": " + BacktestPowerJson(result) + ",\n  \"draws\": [\n";
    for (std::size_t i = 0; i < result.draws.size(); ++i) {
        json += DrawToJson(result.draws[i]);
        json += i + 1 < result.draws.size() ? ",\n" : "\n";
    }
    json += "  ],\n  \"summary\": {\n";
    const BacktestMoney money = MoneyOfBacktest(result.draws);
    for (int m = 0; m < kMethodCount; ++m) {
        json += "    " + JsonQuote(kMethodNames[static_cast<std::size_t>(m)]) + ": " +
                SummaryToJson(result.summary[static_cast<std::size_t>(m)],
                              money[static_cast<std::size_t>(m)]);
        json += m + 1 < kMethodCount ? ",\n" : "\n";
    }
    return json + "  }\n}\n";
}

std::string BacktestToText(const BacktestResult& result) {
    ResultGrid summary;
    FillBacktestSummaryGrid(result, summary);
    ResultGrid money;
    FillBacktestMoneyGrid(MoneyOfBacktest(result.draws), money);
    ResultGrid draws;
    FillBacktestOverviewGrid(result, draws);
    std::string notes;
    for (const std::string& note : BacktestPowerNotes(result)) {
        notes += note + "\n";
    }
    return SummaryHeading(result) + "\n" + kChanceNote + "\n" + notes + "\n" + GridToText(summary) +
           "\n" + BacktestMoneyNote(result) + "\n" + GridToText(money) + "\n" + GridToText(draws);
}

std::string BacktestToCsv(const BacktestResult& result) {
    ResultGrid draws;
    FillBacktestOverviewGrid(result, draws);
    return GridToCsv(draws);
}

std::string BacktestToHtml(const BacktestResult& result) {
    ResultGrid summary;
    FillBacktestSummaryGrid(result, summary);
    ResultGrid money;
    FillBacktestMoneyGrid(MoneyOfBacktest(result.draws), money);
    ResultGrid draws;
    FillBacktestOverviewGrid(result, draws);
    std::string notes;
    for (const std::string& note : BacktestPowerNotes(result)) {
        notes += "<p>" + HtmlEscape(note) + "</p>\n";
    }
    const std::string body = "<h1>" + HtmlEscape(SummaryHeading(result)) + "</h1>\n<p>" +
                             HtmlEscape(kChanceNote) + "</p>\n" + notes + GridToHtmlTable(summary) +
                             "\n<h2>金額</h2>\n<p>" + HtmlEscape(BacktestMoneyNote(result)) +
                             "</p>\n" + GridToHtmlTable(money) +
                             "\n<h2>回ごとの予想と当選数字</h2>\n" + GridToHtmlTable(draws) + "\n";
    return HtmlPage("予想の検証", body);
}

std::string NumberCheckToJson(const NumberCheckResult& result) {
    std::string json =
        "{\n  \"numbers\": " + JsonArray({result.numbers.begin(), result.numbers.end()}) +
        ",\n  \"draws\": " + std::to_string(result.draws) + ",\n  \"wins\": {";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        std::vector<int> numbers;
        for (const WinningDraw& w : result.wins[static_cast<std::size_t>(p)]) {
            numbers.push_back(w.drawNumber);
        }
        json += p == 0 ? "\n    " : ",\n    ";
        json +=
            JsonQuote(kPrizeClassNames[static_cast<std::size_t>(p)]) + ": " + JsonArray(numbers);
    }
    json += "\n  },\n  \"prizeDraws\": " + std::to_string(result.random.coveredDraws) +
            ",\n  \"spent\": " + std::to_string(result.random.spent) +
            ",\n  \"won\": " + std::to_string(result.Won()) + ",\n  \"prizes\": {";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        json += p == 0 ? "\n    " : ",\n    ";
        json += JsonQuote(kPrizeClassNames[pi]) +
                ": {\"wins\": " + std::to_string(result.wins[pi].size()) +
                ", \"amount\": " + std::to_string(result.won[pi]) + "}";
    }
    json += "\n  },\n  \"expectedWon\": " + std::to_string(RoundedYen(result.random.expectedWon)) +
            ",\n  \"expectedWonLow\": " + std::to_string(result.random.lowWon) +
            ",\n  \"expectedWonHigh\": " + std::to_string(result.random.highWon);
    json += ",\n  \"odds\": {";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        json += p == 0 ? "\n    " : ",\n    ";
        json += JsonQuote(kPrizeClassNames[static_cast<std::size_t>(p)]) + ": {\"combinations\": " +
                std::to_string(kWinningCombinations[static_cast<std::size_t>(p)]) +
                ", \"of\": " + std::to_string(kCombinations) +
                ", \"probability\": " + JsonNumber(PrizeProbability(p)) + "}";
    }
    return json + "\n  }\n}\n";
}

std::string NumberCheckToText(const NumberCheckResult& result) {
    std::string text = "数字 " + JoinNumbers({result.numbers.begin(), result.numbers.end()}) +
                       " を " + std::to_string(result.draws) +
                       " 回分の当選数字と照らし合わせました。\n";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        const auto& wins = result.wins[static_cast<std::size_t>(p)];
        text += std::string(kPrizeClassNames[static_cast<std::size_t>(p)]) + ": " +
                std::to_string(wins.size()) + " 回";
        if (p == kFourthPrize) {
            if (!wins.empty()) {
                text += "（最後は第" + std::to_string(wins.back().drawNumber) + "回 " +
                        wins.back().date + "）";
            }
        } else {
            for (const WinningDraw& w : wins) {
                text += "\n  第" + std::to_string(w.drawNumber) + "回 " + w.date;
                if (w.amount) {
                    text += ' ';
                    text += YenText(*w.amount);
                }
            }
        }
        text += "\n";
    }
    text += NumberCheckYenText(result);
    text += "\n1口が1回の抽せんで当たる確率（どの組合せも毎回同じです）:\n";
    for (int p = 0; p < kPrizeClassCount; ++p) {
        text += std::string(kPrizeClassNames[static_cast<std::size_t>(p)]) + ": " +
                std::to_string(kWinningCombinations[static_cast<std::size_t>(p)]) + " / " +
                std::to_string(kCombinations) + "（約 " +
                std::to_string(
                    static_cast<long long>(static_cast<double>(kCombinations) /
                                               kWinningCombinations[static_cast<std::size_t>(p)] +
                                           0.5)) +
                " 回に 1 回）\n";
    }
    return text;
}

}  // namespace pirumo
