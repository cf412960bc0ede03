#include "analyses/lastdigit.h"

#include "analyses/chance/groupchance.h"
#include "analyses/lastdigitgrid.h"

namespace pirumo {

namespace {

// Where a digit's run stands after the draws seen so far.
struct DigitRun {
    bool drawn = false;
    int lastDrawNumber = 0;
    int count = 0;
};

}  // namespace

LastDigitResult AnalyseLastDigit(const DrawHistory& history) {
    LastDigitResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    std::array<DigitRun, kLastDigitCount> runs{};
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        LastDigitRow row{.drawNumber = draw.drawNumber, .numbers = draw.numbers};
        for (auto number : draw.numbers) {
            ++row.digitCounts[static_cast<std::size_t>(number % 10)];
        }
        for (std::size_t digit = 0; digit < runs.size(); ++digit) {
            const int hits = row.digitCounts[digit];
            if (hits == 0) {
                continue;
            }
            DigitRun& run = runs[digit];
            // A run goes on only into the next draw number, so a draw skipped as invalid or
            // missing from the history breaks it.
            const bool follows = run.drawn && run.lastDrawNumber + 1 >= draw.drawNumber;
            run.count = (follows ? run.count + 1 : 0) + hits - 1;
            run.drawn = true;
            run.lastDrawNumber = draw.drawNumber;
            if (follows || hits > 1) {
                row.runCounts[digit] = run.count;
            }
        }
        result.draws.push_back(row);
    });
    return result;
}

Analysis LastDigitAnalysis() {
    return MakeAnalysis("下一桁出現傾向分析", "下一桁出現傾向分析",
                        "過去の当選番号の下一桁の数字の出現傾向を分析します", AnalyseLastDigit,
                        FillLastDigitGrid, CompareLastDigit);
}

}  // namespace pirumo
