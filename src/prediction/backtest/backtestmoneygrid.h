#pragma once

#include "grid/resultgrid.h"
#include "prediction/backtest/backtest.h"
#include "prediction/backtest/backtestmoney.h"

namespace pirumo {

// One row per method in yen: the tickets bought at the draws with prize data, spent, won and the
// return rate, beside the mean and 95 % range of the same number of random tickets and where
// the winnings fall against that range.
void FillBacktestMoneyGrid(const BacktestMoney& money, ResultGrid& grid);

// "賞金のわかる 1303 回分で、各方法の行を1口ずつ毎回買った場合の金額です。…": what the grid covers.
std::string BacktestMoneyNote(const BacktestResult& result);

}  // namespace pirumo
