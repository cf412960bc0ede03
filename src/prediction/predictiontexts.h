#pragma once

#include <array>
#include <string_view>

namespace pirumo {

// Fixed texts of the prediction window, shared by the window and the command line.
namespace prediction_text {
inline constexpr std::string_view kWindowName = "一発ガルポン";
inline constexpr std::string_view kCaption = "一発ガルポン予想";
inline constexpr std::string_view kPredictionsTitle = "当選予想";
inline constexpr std::string_view kPredictionsIntro =
    "各データ分析の結果を元に周期法、消去法、連発ガルポン、一発ガルポンの各手法を用いて当選数字を予"
    "想します。";
// Above the grids of index 0..3.
inline constexpr std::array<std::string_view, 4> kGridLabels{
    "●周期法による予想(この予想数字を組合わせて購入します)",
    "●消去法による予想(この予想数字を組合わせて購入します)",
    "●連発ガルポン予想(この予想数字を組む合わせて購入します)",
    "●一発ガルポン予想",
};
inline constexpr std::string_view kOptionsTitle = "データ分析オプション";
inline constexpr std::string_view kOptionsIntro =
    "各データ分析の分析結果を当選予想へ反映するかを設定します。";
inline constexpr std::string_view kReflect = "反映する";
inline constexpr std::string_view kDontReflect = "反映しない";
inline constexpr std::string_view kClose = "閉じる";
inline constexpr std::string_view kPrint = "印刷";
}  // namespace prediction_text

}  // namespace pirumo
