#include "prediction/tickets/ticketcheck.h"

#include <set>

#include "prediction/money/yentext.h"

namespace pirumo {

std::array<std::int64_t, kPrizeClassCount> TicketDrawResult::WonByClass() const {
    std::array<std::int64_t, kPrizeClassCount> won{};
    if (prizes) {
        for (std::size_t c = 0; c < won.size(); ++c) {
            won[c] = wins[c] * prizes->amount[c];
        }
    }
    return won;
}

std::int64_t TicketDrawResult::Won() const {
    std::int64_t total = 0;
    for (std::int64_t yen : WonByClass()) {
        total += yen;
    }
    return total;
}

int TicketDrawResult::WinningTickets() const {
    int total = 0;
    for (int n : wins) {
        total += n;
    }
    return total;
}

TicketDrawResult CheckTicketsInDraw(const std::vector<SavedTicket>& tickets, const Draw& draw) {
    TicketDrawResult result;
    result.drawNumber = draw.drawNumber;
    result.prizes = draw.prizes;
    for (const SavedTicket& ticket : tickets) {
        if (!ticket.Covers(draw.drawNumber)) {
            continue;
        }
        ++result.tickets;
        const PrizeClass prize = ClassifyTicket(ticket.numbers, draw);
        if (prize != kNoPrize) {
            ++result.wins[static_cast<std::size_t>(prize)];
        }
    }
    return result;
}

std::vector<Draw> NewDraws(const DrawHistory& before, const DrawHistory& after) {
    std::set<int> held;
    before.ForEachValidDraw([&held](const Draw& d) { held.insert(d.drawNumber); });
    std::vector<Draw> added;
    after.ForEachValidDraw([&](const Draw& d) {
        if (held.count(d.drawNumber) == 0) {
            added.push_back(d);
        }
    });
    return added;
}

std::string TicketResultLine(const TicketDrawResult& result) {
    std::string line = "第" + std::to_string(result.drawNumber) + "回：あなたの数字 " +
                       std::to_string(result.tickets) + "口のうち ";
    if (result.WinningTickets() == 0) {
        return line + "当せんなし";
    }
    const auto won = result.WonByClass();
    bool first = true;
    for (std::size_t c = 0; c < result.wins.size(); ++c) {
        if (result.wins[c] == 0) {
            continue;
        }
        line += (first ? "" : "、") + std::string(kPrizeClassNames[c]) + " " +
                std::to_string(result.wins[c]) + "口（" +
                (result.prizes ? YenText(won[c]) : std::string("賞金データなし")) + "）";
        first = false;
    }
    return line;
}

std::vector<std::string> TicketResultLines(const std::vector<SavedTicket>& tickets,
                                           const std::vector<Draw>& draws) {
    std::vector<std::string> lines;
    for (const Draw& draw : draws) {
        if (!IsValidDraw(draw)) {
            continue;
        }
        const TicketDrawResult result = CheckTicketsInDraw(tickets, draw);
        if (result.tickets > 0) {
            lines.push_back(TicketResultLine(result));
        }
    }
    return lines;
}

std::vector<std::string> NewestTicketResultLines(std::vector<std::string> lines, std::size_t max) {
    if (lines.size() <= max) {
        return lines;
    }
    const std::size_t earlier = lines.size() - max;
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(earlier));
    lines.insert(lines.begin(), "ほかに前の" + std::to_string(earlier) +
                                    "回分があります（「購入した数字」の収支で確かめられます）。");
    return lines;
}

}  // namespace pirumo
