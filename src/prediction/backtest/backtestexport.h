#pragma once

#include <string>

#include "prediction/backtest/backtest.h"
#include "prediction/backtest/numbercheck.h"

namespace pirumo {

// The prediction check in the forms of `pirumo-cli backtest` (UTF-8).

// {"from","to","reflected","draws":[{"draw","actual","bonus","methods","matches"}],"summary"}.
std::string BacktestToJson(const BacktestResult& result);
// The summary table, then one line per draw with every method's numbers and matches.
std::string BacktestToText(const BacktestResult& result);
std::string BacktestToCsv(const BacktestResult& result);
std::string BacktestToHtml(const BacktestResult& result);

// The ticket check in the forms of `pirumo-cli check`.
// {"numbers":[…],"draws":N,"wins":{"1等":[draw numbers],…},"odds":{"1等":{…},…}}.
std::string NumberCheckToJson(const NumberCheckResult& result);
// 1等 to 3等 with every draw, 4等 counted with its last draw, and the odds.
std::string NumberCheckToText(const NumberCheckResult& result);

}  // namespace pirumo
