#include "analyses/ui/analysiswindowlayout.h"

#include <map>
#include <string>
#include <utility>

#include "analyses/analysislegend.h"

namespace pirumo {

namespace {

using Kind = LegendControl::Kind;

// Width left to the description before the mark-colour legend.
constexpr int kSummaryWidthBeforeMarkLegend = 4140;

// A ball of each mark colour just before 「：本数字」 and 「：ボーナス数字」, on the description's
// line.
std::vector<LegendControl> MarkColourLegend(const AnalysisLegend& legend) {
    const LegendMark& main = legend.marks.at(0);
    const LegendMark& bonus = legend.marks.at(1);
    return {
        {Kind::Ball, "mainNumberBall", "", main.colour, 4320, 150, 255, 255},
        {Kind::Label, "mainNumberLabel", main.meaning, 0, 4560, 150, 720, 255},
        {Kind::Ball, "bonusNumberBall", "", bonus.colour, 5280, 150, 255, 255},
        {Kind::Label, "bonusNumberLabel", bonus.meaning, 0, 5520, 150, 1455, 255},
    };
}

// The same in the three group windows, with the swatch of a group no number fell in.
std::vector<LegendControl> GroupLegend(const AnalysisLegend& legend) {
    const LegendMark& main = legend.marks.at(0);
    const LegendMark& bonus = legend.marks.at(1);
    const LegendMark& missed = legend.marks.at(2);
    return {
        {Kind::Ball, "mainNumberBall", "", main.colour, 4200, 120, 255, 255},
        {Kind::Ball, "bonusNumberBall", "", bonus.colour, 5160, 120, 255, 255},
        {Kind::Label, "mainNumberLabel", main.meaning, 0, 4440, 180, 735, -1},
        {Kind::Label, "bonusNumberLabel", bonus.meaning, 0, 5400, 180, 1215, -1},
        {Kind::Swatch, "missedGroupSwatch", "", missed.colour, 6720, 150, 375, 255},
        {Kind::Label, "missedGroupLabel", missed.meaning, 0, 7200, 180, 735, -1},
    };
}

std::vector<LegendControl> CarriedLegend(const AnalysisLegend& legend) {
    const LegendMark& carried = legend.marks.at(0);
    return {{Kind::Swatch, "carriedSwatch", "", carried.colour, 4560, 150, 495, 255},
            {Kind::Label, "carriedLabel", carried.meaning, 0, 5100, 150, 1200, 255}};
}

// A legend line below the description, in twips.
constexpr int kLegendLineTop = 450;
constexpr int kLegendLeft = 120;

// The caption, then each colour as a swatch (with the letter the cells show, if any) followed by
// its meaning, on the legend line.
std::vector<LegendControl> SwatchLine(const AnalysisLegend& legend) {
    std::vector<LegendControl> line;
    if (!legend.caption.empty()) {
        line.push_back({Kind::Label, "legendCaption", legend.caption, 0, kLegendLeft,
                        kLegendLineTop, -1, 255});
    }
    for (std::size_t i = 0; i < legend.marks.size(); ++i) {
        const LegendMark& mark = legend.marks[i];
        const std::string name = "legendMark" + std::to_string(i + 1);
        line.push_back({Kind::Swatch, name + "Swatch", mark.letter, mark.colour,
                        line.empty() ? kLegendLeft : -1, kLegendLineTop, 255, 255});
        line.push_back({Kind::Label, name + "Label", mark.meaning, 0, -1, kLegendLineTop, -1, 255});
    }
    return line;
}

AnalysisWindowLayout GroupLayout(int summaryWidth, int heightTwips) {
    return {.summaryLeft = 120,
            .summaryTop = 180,
            .summaryWidth = summaryWidth,
            .widthTwips = 9250,
            .heightTwips = heightTwips,
            .titleRows = 3,
            .hasPrintButton = false,
            .legend = GroupLegend(LegendOf("分割6データ分析"))};
}

const std::map<std::string, AnalysisWindowLayout, std::less<>>& Layouts() {
    static const std::map<std::string, AnalysisWindowLayout, std::less<>> layouts{
        {"出現頻度分析",
         {.summaryWidth = kSummaryWidthBeforeMarkLegend,
          .widthTwips = 13750,
          .heightTwips = 9530,
          .hasPrintButton = false,
          .legend = MarkColourLegend(LegendOf("出現頻度分析"))}},
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
          .legend = MarkColourLegend(LegendOf("バラツキ分析"))}},
        {"引っ張り分析",
         {.summaryWidth = 4380,  // ends before the swatch
          .widthTwips = 6850,
          .heightTwips = 13500,
          .titleRows = 1,
          .hasPrintButton = false,
          .yieldsAfterAnalysis = true,
          .legend = CarriedLegend(LegendOf("引っ張り分析"))}},
        {"連番飛び石分析",
         {.widthTwips = 6550,
          .heightTwips = 13400,
          .titleRows = 1,
          .yieldsAfterAnalysis = true,
          .legend = SwatchLine(LegendOf("連番飛び石分析"))}},
        {"数字合計分析", {.widthTwips = 7350, .heightTwips = 13680, .titleRows = 1}},
        {"低数字高数字の組合せパターン分析",
         {.widthTwips = 7130,
          .heightTwips = 13600,
          .titleRows = 1,
          .allowsManualEntry = true,
          .legend = SwatchLine(LegendOf("低数字高数字の組合せパターン分析"))}},
        {"偶数奇数の組合せパターン分析",
         {.widthTwips = 7130,
          .heightTwips = 13600,
          .titleRows = 1,
          .allowsManualEntry = true,
          .legend = SwatchLine(LegendOf("偶数奇数の組合せパターン分析"))}},
        {"分割4傾向分析",
         {.widthTwips = 7500, .heightTwips = 13600, .titleRows = 1, .allowsManualEntry = true}},
        {"分割6データ分析", GroupLayout(3975, 12400)},
        {"分割7データ分析", GroupLayout(3975, 12200)},
        {"分割10データ分析", GroupLayout(4215, 12200)},
        {"下一桁出現傾向分析",
         {.widthTwips = 7370,
          .heightTwips = 13980,
          .titleRows = 2,
          .legend = SwatchLine(LegendOf("下一桁出現傾向分析"))}},
        {"下一桁連続出現回数分析",
         {.widthTwips = 7370,
          .heightTwips = 13935,
          .titleRows = 2,
          .legend = SwatchLine(LegendOf("下一桁連続出現回数分析"))}},
        {"ペア分析",
         {.widthTwips = 7400, .heightTwips = 12000, .legend = SwatchLine(LegendOf("ペア分析"))}},
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
