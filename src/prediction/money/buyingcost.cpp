#include "prediction/money/buyingcost.h"

#include <cstdio>

#include "grid/gridexport.h"
#include "history/drawprizes.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/money/moneytext.h"
#include "prediction/money/winningchance.h"
#include "prediction/money/yentext.h"

namespace pirumo {

namespace {

std::optional<double> Times(std::optional<double> ticketWorth, std::int64_t tickets) {
    return ticketWorth ? std::optional<double>(*ticketWorth * static_cast<double>(tickets))
                       : std::nullopt;
}

std::string PercentText(double chance) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100 * chance);
    return text;
}

// "（期待値 428円、4等以上 7.8%）"
std::string OutlookText(std::optional<double> expectedReturn, double chance) {
    std::string text = "（";
    if (expectedReturn) {
        text += "期待値 " + YenText(RoundedYen(*expectedReturn)) + "、";
    }
    return text + "4等以上が当たる確率 " + PercentText(chance) + "）";
}

std::string MethodLine(std::string_view method, const BuyingCost& c) {
    std::string line(method);
    line += ": ";
    if (c.poolSize == 0) {
        return line + "予想の数字がありません。";
    }
    line += c.tickets == 0 ? std::string("5つの数字がそろった行はありません")
                           : "各行を1口ずつ " + GroupedDigits(c.tickets) + "口 " + YenText(c.cost) +
                                 OutlookText(c.expectedReturn, c.chance);
    line += "／";
    if (c.poolTickets == 0) {
        return line + "数字が " + std::to_string(c.poolSize) + " 個のため組合せはありません。";
    }
    return line + std::to_string(c.poolSize) + " 個の数字のすべての組合せ " +
           GroupedDigits(c.poolTickets) + "口 " + YenText(c.poolCost) +
           OutlookText(c.poolExpectedReturn, c.poolChance);
}

std::string JsonYen(const std::optional<double>& yen) {
    return yen ? std::to_string(RoundedYen(*yen)) : std::string("null");
}

}  // namespace

BuyingCost CostOfRows(const PredictionRows& rows, std::optional<double> ticketWorth) {
    BuyingCost c;
    std::vector<std::array<int, 5>> tickets;
    for (const auto& row : rows) {
        if (IsTicket(row)) {
            tickets.push_back({row[0], row[1], row[2], row[3], row[4]});
        }
    }
    c.tickets = static_cast<int>(tickets.size());
    c.cost = kTicketPrice * static_cast<std::int64_t>(c.tickets);
    c.expectedReturn = Times(ticketWorth, c.tickets);
    c.chance = ChanceOfFourthOrBetter(tickets);
    std::array<bool, kHighestNumber + 1> seen{};
    for (const auto& row : rows) {
        for (int n : row) {
            if (IsLotteryNumber(n) && !seen[static_cast<std::size_t>(n)]) {
                seen[static_cast<std::size_t>(n)] = true;
                ++c.poolSize;
            }
        }
    }
    c.poolTickets = Binomial(c.poolSize, 5);
    c.poolCost = kTicketPrice * c.poolTickets;
    c.poolExpectedReturn = Times(ticketWorth, c.poolTickets);
    c.poolChance = c.poolTickets == 0 ? 0 : PoolChanceOfFourthOrBetter(c.poolSize);
    return c;
}

std::array<BuyingCost, kMethodCount> CostOfPrediction(const GaruponPrediction& prediction,
                                                      std::optional<double> ticketWorth) {
    std::array<BuyingCost, kMethodCount> costs;
    for (int m = 0; m < kMethodCount; ++m) {
        costs[static_cast<std::size_t>(m)] = CostOfRows(prediction.Rows(m), ticketWorth);
    }
    return costs;
}

std::vector<std::string> BuyingCostLines(const std::array<BuyingCost, kMethodCount>& costs,
                                         std::optional<double> ticketWorth) {
    std::string heading = "購入する場合（1口 " + YenText(kTicketPrice) + "。";
    heading += ticketWorth
                   ? "期待値は過去の平均賞金で 1口あたり " + YenText(RoundedYen(*ticketWorth)) +
                         "、回収率 " + ReturnRateText(*ticketWorth, kTicketPrice) + "）:"
                   : std::string("賞金のデータがないため期待値は計算できません）:");
    std::vector<std::string> lines{heading};
    for (int m = 0; m < kMethodCount; ++m) {
        lines.push_back(MethodLine(kMethodNames[static_cast<std::size_t>(m)],
                                   costs[static_cast<std::size_t>(m)]));
    }
    lines.push_back(
        "どの組合せも毎回同じ確率で当たります。予想の数字を選んでも、当たる確率は無作為に選んだ"
        "数字と変わりません。");
    return lines;
}

std::string BuyingCostJson(const std::array<BuyingCost, kMethodCount>& costs) {
    std::string json = "{";
    for (int m = 0; m < kMethodCount; ++m) {
        const BuyingCost& c = costs[static_cast<std::size_t>(m)];
        json += m == 0 ? "\n    " : ",\n    ";
        json += JsonQuote(kMethodNames[static_cast<std::size_t>(m)]) +
                ": {\"tickets\": " + std::to_string(c.tickets) +
                ", \"cost\": " + std::to_string(c.cost) +
                ", \"expectedReturn\": " + JsonYen(c.expectedReturn) +
                ", \"chance\": " + JsonNumber(c.chance) +
                ", \"poolSize\": " + std::to_string(c.poolSize) +
                ", \"poolTickets\": " + std::to_string(c.poolTickets) +
                ", \"poolCost\": " + std::to_string(c.poolCost) +
                ", \"poolExpectedReturn\": " + JsonYen(c.poolExpectedReturn) +
                ", \"poolChance\": " + JsonNumber(c.poolChance) + "}";
    }
    return json + "\n  }";
}

}  // namespace pirumo
