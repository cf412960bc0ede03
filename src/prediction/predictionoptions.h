#pragma once

#include <array>
#include <string_view>

namespace pirumo {

// The twelve reflect / don't-reflect options of the prediction window. The prediction uses them
// only through CountReflected().
struct PredictionOptions {
    static constexpr int kCount = 12;

    std::array<bool, kCount> reflect{};  // all off until the settings file is read

    int CountReflected() const;

    friend bool operator==(const PredictionOptions&, const PredictionOptions&) = default;
};

// What belongs to option i: its key in ピルモ.ini, and the object name and caption of its frame in
// the window.
// Index 8's key says "5分割" while its frame says "4分割"; existing settings files use that key.
struct PredictionOptionInfo {
    std::string_view key;
    std::string_view frameName;
    std::string_view frameCaption;
};

inline constexpr std::array<PredictionOptionInfo, PredictionOptions::kCount> kPredictionOptionInfo{{
    {"頻度分析Opt", "frequencyOptionFrame", "■頻度分析（出現頻度分析、回数出現分析）"},
    {"間隔分析Opt", "intervalOptionFrame", "■間隔分析（出現間隔分析、数字間隔分析）"},
    {"出現回数分析Opt", "appearanceCountOptionFrame", "■出現回数分析"},
    {"バラツキ分析Opt", "dispersionOptionFrame", "■バラツキ分析"},
    {"引っ張り分析Opt", "carryOverOptionFrame", "■引っ張り分析"},
    {"連番飛び石分析Opt", "consecutiveOptionFrame", "■連番・飛び石分析"},
    {"数字合計分析Opt", "numberSumOptionFrame", "■数字合計分析"},
    {"組合せパターン分析Opt", "combinationPatternOptionFrame", "■組合せパターン分析"},
    {"5分割傾向分析Opt", "fourGroupOptionFrame", "■4分割傾向分析"},
    {"分割データ分析Opt", "groupDataOptionFrame", "■分割データ分析"},
    {"下一桁出現傾向分析Opt", "lastDigitOptionFrame", "■下一桁出現傾向分析"},
    {"下一桁連続出現回数分析Opt", "lastDigitRunOptionFrame", "■下一桁連続出現回数分析"},
}};

}  // namespace pirumo
