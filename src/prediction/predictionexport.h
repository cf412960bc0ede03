#pragma once

#include <string>

#include "prediction/garuponpredictor.h"

namespace pirumo {

// The loaded prediction's four grids in the export forms (UTF-8).

// {"name":"一発ガルポン","caption":"一発ガルポン予想","reflected":N,"grids":[...]}, each grid as
// GridToJson names it (CycleGrid, EliminationGrid, ...) with its label as caption.
std::string PredictionToJson(const GaruponPredictor& predictor);

// Each grid's label line followed by its cells aligned in columns.
std::string PredictionToText(const GaruponPredictor& predictor);

// One page with the caption, the introduction and the four labelled tables.
std::string PredictionToHtml(const GaruponPredictor& predictor);

}  // namespace pirumo
