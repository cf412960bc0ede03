#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/drawhistory.h"
#include "prediction/backtest/backtest.h"
#include "prediction/garuponpredictor.h"

namespace pirumo {

// What the prediction window showed once: for which draw, when, with which options.
struct PredictionLogEntry {
    int targetDraw = 0;
    std::string shownAt;  // "YYYY/MM/DD HH:MM:SS", local time
    PredictionOptions options;
    std::array<PredictionRows, kMethodCount> shown;

    friend bool operator==(const PredictionLogEntry&, const PredictionLogEntry&) = default;
};

// The log lives beside the history under a name of its own (Pirumo.mdb → Pirumo-予想記録.txt), so
// replacing the history file keeps it.
std::filesystem::path PredictionLogPath(const std::filesystem::path& historyFile);

// The entry for a loaded prediction: it targets the draw after the newest valid one.
PredictionLogEntry MakePredictionLogEntry(const DrawHistory& history,
                                          const GaruponPredictor& predictor);

// The current local time as the log writes it.
std::string CurrentLocalTimeText();

// One entry per line, tab separated: draw, time, the twelve options as 0/1, then each method's
// rows ("3,5,12,20,28/1,4"); lines starting with # are comments.
std::string FormatPredictionLogLine(const PredictionLogEntry& entry);
// The entries of the text in file order; a line that cannot be read is skipped.
std::vector<PredictionLogEntry> ParsePredictionLog(std::string_view text);

// A missing log reads as empty. Throws FileError (Japanese) when it cannot be read.
std::vector<PredictionLogEntry> ReadPredictionLog(const std::filesystem::path& file);

// Adds the entry unless the newest entry for the same draw already holds the same options and
// numbers (showing the window again records nothing new). The file is replaced atomically, so a
// failure leaves it as it was; throws std::runtime_error (Japanese). True when written.
bool AppendToPredictionLog(const std::filesystem::path& file, const PredictionLogEntry& entry);

// A logged prediction and, once its draw is in the history, how it scored. A prediction first
// shown on a day after its draw had taken place is not scored: it could not have been played.
struct LoggedPrediction {
    PredictionLogEntry entry;
    std::optional<BacktestDraw> scored;
    bool shownAfterDraw = false;
};
std::vector<LoggedPrediction> CompareLoggedPredictions(const DrawHistory& history,
                                                       const std::vector<PredictionLogEntry>& log);

}  // namespace pirumo
