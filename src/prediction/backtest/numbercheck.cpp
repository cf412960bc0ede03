#include "prediction/backtest/numbercheck.h"

#include <algorithm>

#include "history/entry/entrytext.h"

namespace pirumo {

std::array<int, 5> ParseCheckNumbers(const std::vector<std::string>& texts) {
    if (texts.size() != 5) {
        throw NumberCheckError("数字を 5 つ指定してください（" + std::to_string(texts.size()) +
                               " つ指定されています）。");
    }
    std::array<int, 5> numbers{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const EntryText parsed = ParseEntryText(texts[i]);
        if (parsed.kind != EntryText::Kind::kNumber) {
            throw NumberCheckError(std::to_string(i + 1) + " つ目の「" + texts[i] +
                                   "」は 1～31 の整数ではありません。");
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (numbers[j] == parsed.number) {
                throw NumberCheckError(std::to_string(parsed.number) +
                                       " が重複しています。異なる 5 つの数字を指定してください。");
            }
        }
        numbers[i] = parsed.number;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

NumberCheckResult CheckNumbers(const DrawHistory& history, const std::array<int, 5>& numbers) {
    NumberCheckResult result;
    result.numbers = numbers;
    std::sort(result.numbers.begin(), result.numbers.end());
    std::vector<TicketPurchase> purchases;
    history.ForEachValidDraw([&](const Draw& draw) {
        ++result.draws;
        purchases.push_back({draw.prizes, 1});
        const PrizeClass prize = ClassifyTicket(result.numbers, draw);
        if (prize == kNoPrize) {
            return;
        }
        const auto p = static_cast<std::size_t>(prize);
        std::optional<std::int64_t> amount;
        if (draw.prizes) {
            amount = draw.prizes->amount[p];
            result.won[p] += *amount;
        }
        result.wins[p].push_back({draw.drawNumber, draw.date, amount});
    });
    result.random = SimulateRandomTickets(purchases);
    return result;
}

std::int64_t NumberCheckResult::Won() const {
    std::int64_t total = 0;
    for (const std::int64_t yen : won) {
        total += yen;
    }
    return total;
}

}  // namespace pirumo
