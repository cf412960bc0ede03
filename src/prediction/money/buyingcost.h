#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "prediction/garuponprediction.h"

namespace pirumo {

// What buying one method's proposal for one draw means, both ways a player may buy it: each row
// that is a ticket (five distinct numbers, as 予想の検証 counts them), or every combination of
// the method's distinct numbers.
struct BuyingCost {
    int tickets = 0;
    std::int64_t cost = 0;                 // kTicketPrice × tickets
    std::optional<double> expectedReturn;  // yen at the average prizes; nullopt without prize data
    double chance = 0;                     // of at least one 4等 or better
    int poolSize = 0;
    std::int64_t poolTickets = 0;  // C(poolSize, 5); 0 below five numbers
    std::int64_t poolCost = 0;
    std::optional<double> poolExpectedReturn;
    double poolChance = 0;
};

// `ticketWorth`: one ticket's expected yen (AverageTicketWinnings), nullopt without prize data.
BuyingCost CostOfRows(const PredictionRows& rows, std::optional<double> ticketWorth);

std::array<BuyingCost, kMethodCount> CostOfPrediction(const GaruponPrediction& prediction,
                                                      std::optional<double> ticketWorth);

// The lines the window and the exports show: a heading with the ticket price and one ticket's
// worth, one line per method with both ways of buying, and the reminder that every
// combination has the same chance.
std::vector<std::string> BuyingCostLines(const std::array<BuyingCost, kMethodCount>& costs,
                                         std::optional<double> ticketWorth);

// {"周期法": {"tickets": 4, "cost": 800, "expectedReturn": 428, "chance": 0.078…,
// "poolSize": 13, "poolTickets": 1287, "poolCost": 257400, "poolExpectedReturn": 137709,
// "poolChance": 0.34…}, …}, yen as integers and null where there is no prize data.
std::string BuyingCostJson(const std::array<BuyingCost, kMethodCount>& costs);

}  // namespace pirumo
