#include <string>

#include "cli/clicommand.h"
#include "grid/gridexport.h"
#include "history/prizefields.h"
#include "history/store/historyfile.h"

namespace pirumo::cli {

namespace {

std::string DescribeHistory(const std::filesystem::path& db, const DrawHistory& history) {
    const StartupAggregates& a = history.Aggregates();

    std::string json = "{\n";
    json += "  \"file\": " + JsonQuote(db.string()) + ",\n";
    json += "  \"rows\": " + std::to_string(history.Rows().size()) + ",\n";
    json += "  \"validDraws\": " + std::to_string(history.ValidDrawCount()) + ",\n";
    json += "  \"prizeDraws\": " + std::to_string(CountDrawsWithPrizes(history.Rows())) + ",\n";
    json += std::string("  \"sample\": ") + (history.IsSample() ? "true" : "false") + ",\n";
    json += "  \"skippedOtherValue\": " + std::to_string(a.skippedOtherValue) + ",\n";
    json += "  \"LastDrawNumber\": " + std::to_string(a.lastDrawNumber) + ",\n";
    json += "  \"MaxCount\": " + std::to_string(a.maxCount) + ",\n";
    json += "  \"CountGroupRows\": " + std::to_string(a.countGroupRows) + ",\n";
    json += "  \"NumberCounts\": {";
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        json += (n == kLowestNumber ? "" : ", ") + std::string("\"") + std::to_string(n) +
                "\": " + std::to_string(a.numberCounts[static_cast<std::size_t>(n)]);
    }
    // Only the counts some number has; the rest of the table is empty.
    json += "},\n  \"CountGroups\": {";
    bool first = true;
    for (std::size_t c = 0; c < a.countGroups.size(); ++c) {
        if (a.countGroups[c].empty()) {
            continue;
        }
        json += (first ? "\"" : ", \"") + std::to_string(c) + "\": " + JsonQuote(a.countGroups[c]);
        first = false;
    }
    json += "}\n}\n";
    return json;
}

}  // namespace

CliCommand InfoCommand() {
    return {"info", "", {"out"}, [](const CliContext& context) {
                RefuseArguments(context, "info");
                WriteOutput(context, DescribeHistory(context.db, ReadHistoryToReport(context)));
                return 0;
            }};
}

}  // namespace pirumo::cli
