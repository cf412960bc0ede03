#pragma once

#include <QDate>
#include <QString>

#include "history/drawhistory.h"
#include "prediction/garuponpredictor.h"
#include "print/printdocument.h"

namespace pirumo {

// 第N+1回 after the history's last valid draw, with the expected date a week after that draw's
// when it has one: what a prediction from this history is for.
QString PredictedDrawText(const DrawHistory& history);

// The prediction window on paper: the draw it is for, the window's description, the four grids
// under their labels, and a plain word that every combination has the same chance.
PrintDocument PredictionPrintDocument(const GaruponPredictor& predictor, const DrawHistory& history,
                                      QDate printed);

}  // namespace pirumo
