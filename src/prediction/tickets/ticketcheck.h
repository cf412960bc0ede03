#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/drawhistory.h"
#include "history/savedticket.h"
#include "prediction/backtest/prizeclass.h"

namespace pirumo {

// What the player's tickets for one draw won there.
struct TicketDrawResult {
    int drawNumber = 0;
    int tickets = 0;                           // tickets bought for the draw
    std::array<int, kPrizeClassCount> wins{};  // winning tickets per class
    std::optional<DrawPrizes> prizes;          // the draw's published amounts, when known
    std::array<std::int64_t, kPrizeClassCount> WonByClass() const;  // 0 without prizes
    std::int64_t Won() const;
    int WinningTickets() const;
};

// The tickets bought for a valid draw, checked against it (tickets == 0 when none was).
TicketDrawResult CheckTicketsInDraw(const std::vector<SavedTicket>& tickets, const Draw& draw);

// The valid draws `after` holds that `before` did not hold as valid draws, in 回数 order: what a
// refresh, an import or an entry has just added.
std::vector<Draw> NewDraws(const DrawHistory& before, const DrawHistory& after);

// One line per draw some ticket was bought for:
// "第1354回：あなたの数字 2口のうち 4等 1口（1,000円）" or "第1354回：あなたの数字 2口のうち
// 当せんなし".
std::vector<std::string> TicketResultLines(const std::vector<SavedTicket>& tickets,
                                           const std::vector<Draw>& draws);

std::string TicketResultLine(const TicketDrawResult& result);

// An import may bring hundreds of draws at once: the newest `max` lines are kept, after one that
// says how many earlier draws the ledger shows instead.
inline constexpr std::size_t kMaxTicketResultLines = 20;
std::vector<std::string> NewestTicketResultLines(std::vector<std::string> lines,
                                                 std::size_t max = kMaxTicketResultLines);

}  // namespace pirumo
