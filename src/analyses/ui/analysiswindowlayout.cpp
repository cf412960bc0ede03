#include "analyses/ui/analysiswindowlayout.h"

#include <map>

#include "analyses/analysiscolours.h"

namespace pirumo {

namespace {

using Kind = LegendControl::Kind;

// Width left to the description before the mark-colour legend.
constexpr int kSummaryWidthBeforeMarkLegend = 4140;

// A ball of each mark colour just before 「：本数字」 and 「：ボーナス数字」, on the description's
// line.
std::vector<LegendControl> MarkColourLegend() {
    return {
        {Kind::Ball, "mainNumberBall", "", kMainNumberMarkColour, 4320, 150, 255, 255},
        {Kind::Label, "mainNumberLabel", "：本数字", 0, 4560, 150, 720, 255},
        {Kind::Ball, "bonusNumberBall", "", kBonusNumberMarkColour, 5280, 150, 255, 255},
        {Kind::Label, "bonusNumberLabel", "：ボーナス数字", 0, 5520, 150, 1455, 255},
    };
}

// The same in the three group windows, with the swatch of a group no number fell in.
std::vector<LegendControl> GroupLegend() {
    return {
        {Kind::Ball, "mainNumberBall", "", kMainNumberMarkColour, 4200, 120, 255, 255},
        {Kind::Ball, "bonusNumberBall", "", kBonusNumberMarkColour, 5160, 120, 255, 255},
        {Kind::Label, "mainNumberLabel", "：本数字", 0, 4440, 180, 735, -1},
        {Kind::Label, "bonusNumberLabel", "：ボーナス数字", 0, 5400, 180, 1215, -1},
        {Kind::Swatch, "missedGroupSwatch", "", kMissedGroupColour, 6720, 150, 375, 255},
        {Kind::Label, "missedGroupLabel", ":該当なし", 0, 7200, 180, 735, -1},
    };
}

AnalysisWindowLayout GroupLayout(int summaryWidth, int heightTwips) {
    return {.summaryLeft = 120,
            .summaryTop = 180,
            .summaryWidth = summaryWidth,
            .widthTwips = 9250,
            .heightTwips = heightTwips,
            .titleRows = 3,
            .hasPrintButton = false,
            .legend = GroupLegend()};
}

const std::map<std::string, AnalysisWindowLayout, std::less<>>& Layouts() {
    static const std::map<std::string, AnalysisWindowLayout, std::less<>> layouts{
        {"出現頻度分析",
         {.summaryWidth = kSummaryWidthBeforeMarkLegend,
          .widthTwips = 13750,
          .heightTwips = 9530,
          .hasPrintButton = false,
          .legend = MarkColourLegend()}},
        // The narrow window's description wraps within its client width.
        {"回数別出現分析", {.summaryWidth = 3000, .widthTwips = 3405, .heightTwips = 7355}},
        {"出現間隔分析", {.widthTwips = 8630, .heightTwips = 13800, .titleRows = 2}},
        {"数字間隔分析", {.widthTwips = 8630, .heightTwips = 13820, .titleRows = 2}},
        {"出現回数分析", {.widthTwips = 8590, .heightTwips = 13850, .titleRows = 2}},
        {"バラツキ分析",
         {.summaryWidth = kSummaryWidthBeforeMarkLegend,
          .widthTwips = 9750,
          .heightTwips = 12650,
          .titleRows = 2,
          .legend = MarkColourLegend()}},
        {"引っ張り分析",
         {.summaryWidth = 4380,  // ends before the swatch
          .widthTwips = 6850,
          .heightTwips = 13500,
          .titleRows = 1,
          .hasPrintButton = false,
          .yieldsAfterAnalysis = true,
          .legend = {{Kind::Swatch, "carriedSwatch", "", kCarriedColour, 4560, 150, 495, 255},
                     {Kind::Label, "carriedLabel", ":前回の数字", 0, 5100, 150, 1200, 255}}}},
        {"連番飛び石分析",
         {.widthTwips = 6550, .heightTwips = 13400, .titleRows = 1, .yieldsAfterAnalysis = true}},
        {"数字合計分析", {.widthTwips = 7350, .heightTwips = 13680, .titleRows = 1}},
        {"低数字高数字の組合せパターン分析",
         {.widthTwips = 7130, .heightTwips = 13600, .titleRows = 1, .allowsManualEntry = true}},
        {"偶数奇数の組合せパターン分析",
         {.widthTwips = 7130, .heightTwips = 13600, .titleRows = 1, .allowsManualEntry = true}},
        {"分割4傾向分析",
         {.widthTwips = 7500, .heightTwips = 13600, .titleRows = 1, .allowsManualEntry = true}},
        {"分割6データ分析", GroupLayout(3975, 12400)},
        {"分割7データ分析", GroupLayout(3975, 12200)},
        {"分割10データ分析", GroupLayout(4215, 12200)},
        {"下一桁出現傾向分析", {.widthTwips = 7370, .heightTwips = 13980, .titleRows = 2}},
        {"下一桁連続出現回数分析", {.widthTwips = 7370, .heightTwips = 13935, .titleRows = 2}},
    };
    return layouts;
}

}  // namespace

const AnalysisWindowLayout& AnalysisWindowLayoutOf(std::string_view name) {
    static const AnalysisWindowLayout plain{.widthTwips = 6000, .heightTwips = 6000};
    const auto& layouts = Layouts();
    const auto found = layouts.find(name);
    return found == layouts.end() ? plain : found->second;
}

}  // namespace pirumo
