#include "prediction/money/moneytext.h"

#include <cmath>

#include "prediction/money/yentext.h"

namespace pirumo {

std::string CoveredDrawsText(const RandomTicketWinnings& winnings) {
    std::string text = "賞金のわかる " + std::to_string(winnings.coveredDraws);
    if (winnings.coveredDraws != winnings.draws) {
        text += " / " + std::to_string(winnings.draws);
    }
    return text + " 回分";
}

std::string RandomWinningsText(const RandomTicketWinnings& winnings) {
    return "期待値 " + YenText(RoundedYen(winnings.expectedWon)) + "（回収率 " +
           ReturnRateText(winnings.expectedWon, winnings.spent) + "）、95 % の範囲 " +
           YenText(winnings.lowWon) + "～" + YenText(winnings.highWon);
}

std::int64_t RoundedYen(double yen) {
    return std::llround(yen);
}

}  // namespace pirumo
