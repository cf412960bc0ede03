#pragma once

#include <cstdint>
#include <string>

#include "prediction/money/randomtickets.h"

namespace pirumo {

// "賞金のわかる 1353 回分", or "賞金のわかる 1200 / 1353 回分" when some draws have no prize data.
std::string CoveredDrawsText(const RandomTicketWinnings& winnings);

// "期待値 144,773円（回収率 53.5%）、95 % の範囲 134,000円～298,000円": what random tickets
// bring for the same purchases.
std::string RandomWinningsText(const RandomTicketWinnings& winnings);

// The expectation in whole yen, as JSON gives amounts.
std::int64_t RoundedYen(double yen);

}  // namespace pirumo
