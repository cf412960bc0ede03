#include "analyses/ui/analysiswindowlayout.h"

#include <map>
#include <string>
#include <utility>

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

// A legend line below the description, in twips.
constexpr int kLegendLineTop = 450;
constexpr int kLegendLeft = 120;

// A caption, then each colour as a swatch (with the letter the cells show, if any) followed by
// its meaning, on the legend line.
struct SwatchMeaning {
    std::string name;
    Rgb colour;
    std::string letter;
    std::string meaning;
};

std::vector<LegendControl> SwatchLine(const char* caption, std::vector<SwatchMeaning> swatches) {
    std::vector<LegendControl> line;
    if (*caption != '\0') {
        line.push_back(
            {Kind::Label, "legendCaption", caption, 0, kLegendLeft, kLegendLineTop, -1, 255});
    }
    for (const SwatchMeaning& swatch : swatches) {
        line.push_back({Kind::Swatch, swatch.name + "Swatch", swatch.letter, swatch.colour,
                        line.empty() ? kLegendLeft : -1, kLegendLineTop, 255, 255});
        line.push_back(
            {Kind::Label, swatch.name + "Label", swatch.meaning, 0, -1, kLegendLineTop, -1, 255});
    }
    return line;
}

std::vector<LegendControl> ConsecutiveLegend() {
    return SwatchLine("", {{"consecutive", kPaleCyan, "", "：連番"},
                           {"skipOne", kPaleGreen, "", "：飛び石"},
                           {"noPair", kGrey, "", "：該当なし"}});
}

std::vector<LegendControl> SharedLastDigitLegend() {
    return SwatchLine("同じ下一桁の数字", {{"twoShared", kPaleCyan, "", "：2個"},
                                           {"threeShared", kPaleGreen, "", "：3個"},
                                           {"fourShared", kPaleRed, "", "：4個以上"}});
}

// Twelve draws running are grey in the grid, other runs of ten and more red.
std::vector<LegendControl> LastDigitRunLegend() {
    return SwatchLine("続けて出た回数", {{"twoRuns", kPaleCyan, "", "2～3"},
                                         {"fourRuns", kPaleGreen, "", "4～5"},
                                         {"sixRuns", kPaleYellow, "", "6～7"},
                                         {"eightRuns", kPaleMagenta, "", "8～9"},
                                         {"tenRuns", kPaleRed, "", "10以上"},
                                         {"twelveRuns", kGrey, "", "12"}});
}

// The pattern letters A to F: the first kind's count of the five numbers goes from 5 down to 0
// (`firstCountsDown`), or up from 0 to 5, across the letters.
std::vector<LegendControl> PatternLegend(const char* caption, bool firstCountsDown) {
    constexpr Rgb kBacks[] = {kWhite, kPaleCyan, kPaleGreen, kPaleYellow, kPaleMagenta, kPaleRed};
    std::vector<SwatchMeaning> swatches;
    for (int i = 0; i < 6; ++i) {
        const int first = firstCountsDown ? 5 - i : i;
        const std::string letter(1, static_cast<char>('A' + i));
        swatches.push_back({"pattern" + letter, kBacks[i], letter,
                            std::to_string(first) + ":" + std::to_string(5 - first)});
    }
    return SwatchLine(caption, std::move(swatches));
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
         {.widthTwips = 6550,
          .heightTwips = 13400,
          .titleRows = 1,
          .yieldsAfterAnalysis = true,
          .legend = ConsecutiveLegend()}},
        {"数字合計分析", {.widthTwips = 7350, .heightTwips = 13680, .titleRows = 1}},
        {"低数字高数字の組合せパターン分析",
         {.widthTwips = 7130,
          .heightTwips = 13600,
          .titleRows = 1,
          .allowsManualEntry = true,
          .legend = PatternLegend("低数字:高数字", false)}},
        {"偶数奇数の組合せパターン分析",
         {.widthTwips = 7130,
          .heightTwips = 13600,
          .titleRows = 1,
          .allowsManualEntry = true,
          .legend = PatternLegend("偶数:奇数", true)}},
        {"分割4傾向分析",
         {.widthTwips = 7500, .heightTwips = 13600, .titleRows = 1, .allowsManualEntry = true}},
        {"分割6データ分析", GroupLayout(3975, 12400)},
        {"分割7データ分析", GroupLayout(3975, 12200)},
        {"分割10データ分析", GroupLayout(4215, 12200)},
        {"下一桁出現傾向分析",
         {.widthTwips = 7370,
          .heightTwips = 13980,
          .titleRows = 2,
          .legend = SharedLastDigitLegend()}},
        {"下一桁連続出現回数分析",
         {.widthTwips = 7370,
          .heightTwips = 13935,
          .titleRows = 2,
          .legend = LastDigitRunLegend()}},
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
