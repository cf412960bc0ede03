#pragma once

#include <array>
#include <cstdint>

namespace pirumo {

// The published result of one draw per prize class (1等..4等): how many tickets won and the yen
// paid to each winning ticket. A class nobody won has 0 winners and usually 0 yen.
struct DrawPrizes {
    static constexpr int kClassCount = 4;

    std::array<std::int64_t, kClassCount> winners{};  // N等口数
    std::array<std::int64_t, kClassCount> amount{};   // N等賞金, yen per winning ticket

    friend bool operator==(const DrawPrizes&, const DrawPrizes&) = default;
};

// What one ticket costs, in yen.
inline constexpr int kTicketPrice = 200;

}  // namespace pirumo
