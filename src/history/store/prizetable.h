#pragma once

#include <map>
#include <vector>

#include "history/draw.h"
#include "history/drawprizes.h"
#include "history/store/sqlcipherdatabase.h"

namespace pirumo {

// Table 賞金データ of the history file: one row per draw with published prize data, keyed by
// 回数, columns named as history/prizefields.h names them. Files written before it existed, and
// files from elsewhere, lack it and simply have no prize data.

// Creates the table and stores the prizes of every row that has them; the caller's transaction
// makes it one change with the draws.
void WritePrizeTable(SqlCipherDatabase& db, const std::vector<Draw>& rows);

// The stored prizes by 回数. A file without the table, or with one this program cannot read,
// has none; a row whose values are not counts within range is left out rather than trusted.
std::map<int, DrawPrizes> ReadPrizeTable(SqlCipherDatabase& db);

// Puts the prizes of `stored` into the rows with the same 回数.
void AttachPrizes(std::vector<Draw>& rows, const std::map<int, DrawPrizes>& stored);

// Removes a draw's prizes, so that a draw entered again under the same 回数 does not inherit
// them; nothing happens in a file without the table.
void DeleteStoredPrizes(SqlCipherDatabase& db, int drawNumber);

}  // namespace pirumo
