#include <gtest/gtest.h>

#include "analyses/analysiscatalog.h"
#include "analysiswindowrun.h"
#include "history/store/samplehistory.h"

namespace pirumo {
namespace {

// Every legend shows the colour of the cells it explains: a swatch the background of some cell,
// a ball the colour of some ● mark.
TEST(LegendColours, EveryWindowsLegendMatchesItsCells) {
    const DrawHistory history(MakeSampleHistory(120, 5));
    for (const AnalysisWindowDescription& window : AnalysisWindows()) {
        const ResultGrid grid = test::RunWindowAnalysis(window, history);
        for (const LegendControl& control : window.legend) {
            if (control.kind == LegendControl::Kind::Label) {
                continue;
            }
            bool found = false;
            for (int r = 1; r <= grid.RowCount() && !found; ++r) {
                for (int c = 1; c <= grid.ColumnCount() && !found; ++c) {
                    const CellStyle& style = grid.StyleAt(c, r);
                    found = control.kind == LegendControl::Kind::Swatch
                                ? style.back == control.colour
                                : grid.CellText(c, r) == "●" && style.fore == control.colour;
                }
            }
            EXPECT_TRUE(found) << window.name << " " << control.name << " colour "
                               << control.colour << " is on no cell it explains";
        }
    }
}

}  // namespace
}  // namespace pirumo
