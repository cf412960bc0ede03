#include "prediction/backtest/predictionlog.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <stdexcept>

#include "base/atomicfile.h"
#include "base/inputfile.h"

namespace pirumo {

namespace {

constexpr std::string_view kHeader =
    "# ピルモ 予想記録: 回\t表示日時\tオプション\t周期法\t消去法\t連発予想\t１発予想\n";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string FormatRows(const PredictionRows& rows) {
    std::string text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) {
            text += '/';
        }
        for (std::size_t i = 0; i < rows[r].size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += std::to_string(rows[r][i]);
        }
    }
    return text;
}

std::optional<PredictionRows> ParseRows(std::string_view text) {
    PredictionRows rows;
    for (std::string_view rowText : Split(text, '/')) {
        std::vector<int>& row = rows.emplace_back();
        if (rowText.empty()) {
            continue;
        }
        for (std::string_view cell : Split(rowText, ',')) {
            const std::optional<int> n = ParseInt(cell);
            if (!n || *n < 1 || *n > 31) {
                return std::nullopt;
            }
            row.push_back(*n);
        }
    }
    return rows;
}

std::optional<PredictionLogEntry> ParseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != 3 + kMethodCount || fields[2].size() != PredictionOptions::kCount) {
        return std::nullopt;
    }
    PredictionLogEntry entry;
    const std::optional<int> target = ParseInt(fields[0]);
    if (!target) {
        return std::nullopt;
    }
    entry.targetDraw = *target;
    entry.shownAt = std::string(fields[1]);
    for (int i = 0; i < PredictionOptions::kCount; ++i) {
        const char flag = fields[2][static_cast<std::size_t>(i)];
        if (flag != '0' && flag != '1') {
            return std::nullopt;
        }
        entry.options.reflect[static_cast<std::size_t>(i)] = flag == '1';
    }
    for (int m = 0; m < kMethodCount; ++m) {
        std::optional<PredictionRows> rows = ParseRows(fields[3 + static_cast<std::size_t>(m)]);
        if (!rows) {
            return std::nullopt;
        }
        entry.shown[static_cast<std::size_t>(m)] = std::move(*rows);
    }
    return entry;
}

}  // namespace

std::filesystem::path PredictionLogPath(const std::filesystem::path& historyFile) {
    return historyFile.parent_path() / (historyFile.stem().string() + "-予想記録.txt");
}

PredictionLogEntry MakePredictionLogEntry(const DrawHistory& history,
                                          const GaruponPredictor& predictor) {
    PredictionLogEntry entry;
    entry.targetDraw = history.LastDrawNumber() + 1;
    entry.shownAt = CurrentLocalTimeText();
    entry.options = predictor.Options();
    for (int m = 0; m < kMethodCount; ++m) {
        entry.shown[static_cast<std::size_t>(m)] = predictor.Prediction().Rows(m);
    }
    return entry;
}

std::string CurrentLocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y/%m/%d %H:%M:%S", &local);
    return buffer;
}

std::string FormatPredictionLogLine(const PredictionLogEntry& entry) {
    std::string line = std::to_string(entry.targetDraw) + '\t' + entry.shownAt + '\t';
    for (bool reflect : entry.options.reflect) {
        line += reflect ? '1' : '0';
    }
    for (const PredictionRows& rows : entry.shown) {
        line += '\t';
        line += FormatRows(rows);
    }
    return line + '\n';
}

std::vector<PredictionLogEntry> ParsePredictionLog(std::string_view text) {
    std::vector<PredictionLogEntry> entries;
    for (std::string_view line : Split(text, '\n')) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (std::optional<PredictionLogEntry> entry = ParseLine(line)) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

namespace {

std::string ReadLogText(const std::filesystem::path& file) {
    return ReadInputFileIfPresent(file, "予想記録「" + file.string() + "」")
        .value_or(std::string());
}

}  // namespace

std::vector<PredictionLogEntry> ReadPredictionLog(const std::filesystem::path& file) {
    return ParsePredictionLog(ReadLogText(file));
}

bool AppendToPredictionLog(const std::filesystem::path& file, const PredictionLogEntry& entry) {
    std::string text = ReadLogText(file);
    const std::vector<PredictionLogEntry> entries = ParsePredictionLog(text);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->targetDraw == entry.targetDraw) {
            if (it->options == entry.options && it->shown == entry.shown) {
                return false;
            }
            break;
        }
    }
    if (text.empty()) {
        text = kHeader;
    } else if (text.back() != '\n') {
        text += '\n';
    }
    text += FormatPredictionLogLine(entry);
    WriteFileAtomically(file, text);
    return true;
}

std::vector<LoggedPrediction> CompareLoggedPredictions(const DrawHistory& history,
                                                       const std::vector<PredictionLogEntry>& log) {
    std::vector<LoggedPrediction> compared;
    for (const PredictionLogEntry& entry : log) {
        LoggedPrediction& item = compared.emplace_back();
        item.entry = entry;
        const auto& rows = history.Rows();
        const auto draw =
            std::lower_bound(rows.begin(), rows.end(), entry.targetDraw,
                             [](const Draw& d, int number) { return d.drawNumber < number; });
        if (draw != rows.end() && draw->drawNumber == entry.targetDraw && IsValidDraw(*draw)) {
            // Both dates are YYYY/MM/DD, so they compare as text.
            item.shownAfterDraw =
                !draw->date.empty() && entry.shownAt.substr(0, draw->date.size()) > draw->date;
            if (!item.shownAfterDraw) {
                item.scored = ScoreShownRows(*draw, entry.shown);
            }
        }
    }
    return compared;
}

}  // namespace pirumo
