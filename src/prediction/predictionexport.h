#pragma once

#include <string>

#include "history/drawcalendar.h"
#include "prediction/garuponpredictor.h"

namespace pirumo {

// The loaded prediction for draw `next`: the draw it is for, why it shows no numbers where it
// shows none, and its four grids, in the export forms (UTF-8).

// {"name":"一発ガルポン","caption":"一発ガルポン予想","draw":1354,"date":"2025/09/30",
// "reflected":N,["shortage":"…",]"grids":[...],"ticketWorth":107,"buying":{...}}, each grid as
// GridToJson names it (CycleGrid, EliminationGrid, ...) with its label as caption, buying as
// BuyingCostJson writes it; "date" and "ticketWorth" are null when not known.
std::string PredictionToJson(const GaruponPredictor& predictor, const NextDraw& next);

// A heading line naming the draw, then each grid's label line and its cells in columns, then
// what buying it costs (BuyingCostLines).
std::string PredictionToText(const GaruponPredictor& predictor, const NextDraw& next);

// One page with the caption, the draw, the introduction and the four labelled tables.
std::string PredictionToHtml(const GaruponPredictor& predictor, const NextDraw& next);

}  // namespace pirumo
