#include "analyses/analysislegend.h"

#include <map>

#include "analyses/analysiscolours.h"
#include "analyses/pairsgrid.h"

namespace pirumo {

namespace {

AnalysisLegend DrawnMarks() {
    return {"",
            {{kMainNumberMarkColour, true, "", "：本数字"},
             {kBonusNumberMarkColour, true, "", "：ボーナス数字"}}};
}

AnalysisLegend GroupMarks() {
    AnalysisLegend legend = DrawnMarks();
    legend.marks.push_back({kMissedGroupColour, false, "", ":該当なし"});
    return legend;
}

// The pattern letters A to F: the first kind's count of the five numbers goes from 5 down to 0
// (`firstCountsDown`), or up from 0 to 5, across the letters.
AnalysisLegend PatternLetters(const char* caption, bool firstCountsDown) {
    constexpr Rgb kBacks[] = {kWhite, kPaleCyan, kPaleGreen, kPaleYellow, kPaleMagenta, kPaleRed};
    AnalysisLegend legend{caption, {}};
    for (int i = 0; i < 6; ++i) {
        const int first = firstCountsDown ? 5 - i : i;
        legend.marks.push_back({kBacks[i], false, std::string(1, static_cast<char>('A' + i)),
                                std::to_string(first) + ":" + std::to_string(5 - first)});
    }
    return legend;
}

const std::map<std::string, AnalysisLegend, std::less<>>& Legends() {
    static const std::map<std::string, AnalysisLegend, std::less<>> legends{
        {"出現頻度分析", DrawnMarks()},
        {"バラツキ分析", DrawnMarks()},
        {"引っ張り分析", {"", {{kCarriedColour, false, "", ":前回の数字"}}}},
        {"連番飛び石分析",
         {"",
          {{kPaleCyan, false, "", "：連番"},
           {kPaleGreen, false, "", "：飛び石"},
           {kGrey, false, "", "：該当なし"}}}},
        {"低数字高数字の組合せパターン分析", PatternLetters("低数字:高数字", false)},
        {"偶数奇数の組合せパターン分析", PatternLetters("偶数:奇数", true)},
        {"分割6データ分析", GroupMarks()},
        {"分割7データ分析", GroupMarks()},
        {"分割10データ分析", GroupMarks()},
        {"下一桁出現傾向分析",
         {"同じ下一桁の数字",
          {{kPaleCyan, false, "", "：2個"},
           {kPaleGreen, false, "", "：3個"},
           {kPaleRed, false, "", "：4個以上"}}}},
        // Twelve draws running are grey in the grid, other runs of ten and more red.
        {"下一桁連続出現回数分析",
         {"続けて出た回数",
          {{kPaleCyan, false, "", "2～3"},
           {kPaleGreen, false, "", "4～5"},
           {kPaleYellow, false, "", "6～7"},
           {kPaleMagenta, false, "", "8～9"},
           {kPaleRed, false, "", "10以上"},
           {kGrey, false, "", "12"}}}},
        {"ペア分析",
         {"偶然の95%範囲より",
          {{kPairAboveColour, false, "", "：多い"},
           {kPairBelowColour, false, "", "：少ない"},
           {kWhite, false, kPairMark,
            "：期待値から最も離れた" + std::to_string(kMarkedPairs) + "組"}}}},
    };
    return legends;
}

}  // namespace

const AnalysisLegend& LegendOf(std::string_view analysisName) {
    static const AnalysisLegend none;
    const auto& legends = Legends();
    const auto found = legends.find(analysisName);
    return found == legends.end() ? none : found->second;
}

}  // namespace pirumo
