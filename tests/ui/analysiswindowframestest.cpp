#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/store/samplehistory.h"
#include "print/analysisprint.h"
#include "testwindowhost.h"

namespace pirumo::test {
namespace {

struct Frame {
    const char* name;
    bool printable;
    bool allowsEntry;
};

constexpr Frame kFrames[] = {
    {"出現頻度分析", false, false},
    {"回数別出現分析", true, false},
    {"出現間隔分析", true, false},
    {"数字間隔分析", true, false},
    {"出現回数分析", true, false},
    {"バラツキ分析", true, false},
    {"引っ張り分析", false, false},
    {"連番飛び石分析", true, false},
    {"数字合計分析", true, false},
    {"低数字高数字の組合せパターン分析", true, true},
    {"偶数奇数の組合せパターン分析", true, true},
    {"分割4傾向分析", true, true},
    {"分割6データ分析", false, false},
    {"分割7データ分析", false, false},
    {"分割10データ分析", false, false},
    {"下一桁出現傾向分析", true, false},
    {"下一桁連続出現回数分析", true, false},
    {"ペア分析", true, false},
};

bool GridShows(const ResultGrid& grid, const LegendControl& control) {
    for (int r = 1; r <= grid.RowCount(); ++r) {
        for (int c = 1; c <= grid.ColumnCount(); ++c) {
            const CellStyle& style = grid.StyleAt(c, r);
            const bool shows =
                control.kind == LegendControl::Kind::Ball
                    ? grid.CellText(c, r) == "●" && style.fore == control.colour
                    : style.back == control.colour &&
                          (control.text.empty() || grid.CellText(c, r) == control.text);
            if (shows) {
                return true;
            }
        }
    }
    return false;
}

// Every window offers 印刷 or not, and leaves manual entry open or not, as it always has; its
// legend shows the colour of the cells it explains (a swatch the background of some cell, a ball
// the colour of some ● mark).
TEST(AnalysisWindowFrames, ButtonsEntryAndLegendOfEveryWindow) {
    ASSERT_EQ(Analyses().size(), std::size(kFrames));
    // Long enough for every colour to come up: five low numbers in a draw, a last digit twelve
    // draws running.
    TestWindowHost host(DrawHistory(MakeSampleHistory(300, 1)));
    for (const Frame& expected : kFrames) {
        SCOPED_TRACE(expected.name);
        const Analysis* analysis = FindAnalysis(expected.name);
        ASSERT_NE(analysis, nullptr);
        auto* window = &host.Add(new AnalysisWindow(*analysis, host));
        window->Load();
        window->show();
        // 閉じる, 印刷 where printable, 偶然との比較.
        EXPECT_EQ(window->findChildren<QPushButton*>().size(), expected.printable ? 3 : 2);
        EXPECT_EQ(host.EntryAllowed(), expected.allowsEntry);
        for (const LegendControl& control : AnalysisWindowLayoutOf(expected.name).legend) {
            if (control.kind != LegendControl::Kind::Label) {
                EXPECT_TRUE(GridShows(window->Grid(), control)) << control.name;
            }
        }
        // On paper the legend is a line under the description, mark for mark.
        const auto marks = LegendOf(expected.name).marks.size();
        const std::vector<PrintLine> lines =
            window->PrintDocumentOf(QDate(2025, 9, 30)).blocks.front().lines;
        const auto legendLines =
            std::count_if(lines.begin(), lines.end(), [marks](const auto& line) {
                return !line.legend.empty() && line.legend.size() == marks;
            });
        EXPECT_EQ(legendLines, marks > 0 ? 1 : 0);
        window->close();
        EXPECT_TRUE(host.EntryAllowed());
    }
}

}  // namespace
}  // namespace pirumo::test
