#pragma once

#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Draws from CSV text (UTF-8 with or without BOM, or CP932) whose first line names the columns:
// 回数|開催回|回|回号|回別, 日付|開催日|抽せん日|抽選日 (optional), 第N数字|本数字N|数字N for
// N = 1..5 (the digit half- or full-width), ボーナス数字|BONUS数字|ボ数字|ボーナス, and optionally
// the eight prize columns of history/prizefields.h (read only when all eight are there; a row
// may leave them all empty). A header
// without the draw number or a number column is refused with the names it accepts. Other
// columns are ignored; a draw number may be written 第1354回; empty number fields stay empty; the
// fields follow the rules of history/drawfields.h. Throws HistoryError naming the line and field of
// the first value it refuses, the line of a record with fewer fields than the header or with a
// stray quote, and refuses a file without a single valid draw.
std::vector<Draw> ParseCsvHistory(const std::string& bytes);

}  // namespace pirumo
