#pragma once

#include <array>
#include <optional>
#include <string>

namespace pirumo {

// A ticket the player bought: five numbers, for one draw or for every draw from one on.
struct SavedTicket {
    int id = 0;                    // 番号, unique in its file
    std::array<int, 5> numbers{};  // ascending
    int firstDraw = 0;
    std::optional<int> lastDraw;  // nullopt: bought for every draw from firstDraw on

    bool Covers(int drawNumber) const {
        return drawNumber >= firstDraw && (!lastDraw || drawNumber <= *lastDraw);
    }

    friend bool operator==(const SavedTicket&, const SavedTicket&) = default;
};

// "第1354回", "第1354回〜第1360回" or "第1354回から".
std::string DescribeTicketDraws(const SavedTicket& ticket);

// "2 9 15 22 27".
std::string DescribeTicketNumbers(const SavedTicket& ticket);

}  // namespace pirumo
