#pragma once

#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Draws from CSV text (UTF-8 with or without BOM, or CP932) whose first line names the columns:
// 回数|開催回|回, 日付|開催日 (optional), 第1数字..第5数字, ボーナス数字|BONUS数字|ボ数字. Other
// columns are ignored; empty number fields stay empty; the fields follow the rules of
// history/drawfields.h. Throws HistoryError naming the line and field of the first value it
// refuses, the line of a record with fewer fields than the header or with a stray quote, and
// refuses a file without a single valid draw.
std::vector<Draw> ParseCsvHistory(const std::string& bytes);

}  // namespace pirumo
