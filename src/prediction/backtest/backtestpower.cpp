#include "prediction/backtest/backtestpower.h"

#include <cmath>
#include <cstdio>

#include "grid/gridexport.h"

namespace pirumo {

namespace {

std::string Percent(double share, bool sign) {
    char text[32];
    std::snprintf(text, sizeof text, sign ? "%+.1f %%" : "%.0f %%", share * 100);
    return text;
}

}  // namespace

double DetectableEdge(const MethodSummary& summary) {
    const double mean = summary.ChanceMean();
    return mean > 0 ? (summary.ChanceHigh() - mean) / mean : 0.0;
}

int JudgedMethods(const BacktestResult& result) {
    int judged = 0;
    for (const MethodSummary& summary : result.summary) {
        judged += summary.ChanceMean() > 0 ? 1 : 0;
    }
    return judged;
}

double ChanceOfAnyFlagged(int methods) {
    return 1.0 - std::pow(0.95, methods);
}

std::vector<std::string> BacktestPowerNotes(const BacktestResult& result) {
    std::vector<std::string> notes;
    std::string edges;
    for (int m = 0; m < kMethodCount; ++m) {
        const MethodSummary& summary = result.summary[static_cast<std::size_t>(m)];
        if (summary.ChanceMean() > 0) {
            edges += (edges.empty() ? "" : "、") +
                     std::string(kMethodNames[static_cast<std::size_t>(m)]) + " " +
                     Percent(DetectableEdge(summary), true);
        }
    }
    if (edges.empty()) {
        return notes;
    }
    notes.push_back("この " + std::to_string(result.draws.size()) +
                    " 回分で偶然と見分けられる最小の差（一致数の平均が偶然の平均をこれだけ上回ると "
                    "95 % の範囲を超えます）: " +
                    edges + "。これより小さな差は、あっても見分けられません。");
    if (const int judged = JudgedMethods(result); judged > 1) {
        const double any = ChanceOfAnyFlagged(judged);
        notes.push_back(
            std::to_string(judged) +
            " つの方法を同時に判定しています。どの方法も偶然と変わらなくても、"
            "どれか一つが範囲の外と判定されることが約 " +
            Percent(any, false) + "（" + std::to_string(static_cast<int>(std::lround(1.0 / any))) +
            " 回に 1 回）あります。短い範囲で一つだけ外れても、偶然と考えるのが自然です。");
    }
    return notes;
}

std::string BacktestPowerJson(const BacktestResult& result) {
    std::string json = "{\"detectableEdge\": {";
    bool first = true;
    for (int m = 0; m < kMethodCount; ++m) {
        const MethodSummary& summary = result.summary[static_cast<std::size_t>(m)];
        if (summary.ChanceMean() > 0) {
            json += (first ? "" : ", ") + JsonQuote(kMethodNames[static_cast<std::size_t>(m)]) +
                    ": " + JsonNumber(std::round(DetectableEdge(summary) * 10000) / 10000);
            first = false;
        }
    }
    const int judged = JudgedMethods(result);
    json += "}, \"judged\": " + std::to_string(judged) + ", \"anyFlaggedByChance\": " +
            JsonNumber(std::round(ChanceOfAnyFlagged(judged) * 10000) / 10000) + ", \"notes\": [";
    const std::vector<std::string> notes = BacktestPowerNotes(result);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonQuote(notes[i]);
    }
    return json + "]}";
}

}  // namespace pirumo
