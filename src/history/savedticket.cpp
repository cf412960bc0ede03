#include "history/savedticket.h"

namespace pirumo {

std::string DescribeTicketDraws(const SavedTicket& ticket) {
    const std::string first = "第" + std::to_string(ticket.firstDraw) + "回";
    if (!ticket.lastDraw) {
        return first + "から";
    }
    if (*ticket.lastDraw == ticket.firstDraw) {
        return first;
    }
    return first + "〜第" + std::to_string(*ticket.lastDraw) + "回";
}

std::string DescribeTicketNumbers(const SavedTicket& ticket) {
    std::string text;
    for (int n : ticket.numbers) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(n);
    }
    return text;
}

}  // namespace pirumo
