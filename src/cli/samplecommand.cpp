#include <cstdio>
#include <string>

#include "cli/clicommand.h"
#include "history/store/historyfile.h"
#include "history/store/samplehistory.h"

namespace pirumo::cli {

namespace {

long ParseWholeNumber(const std::string& option, const std::string& text, long low, long high) {
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < low || value > high) {
        throw CliError{"--" + option + " には " + std::to_string(low) + " から " +
                           std::to_string(high) + " までの整数を指定してください: " + text,
                       2};
    }
    return value;
}

}  // namespace

CliCommand SampleCommand() {
    return {"sample", "[--draws N] [--seed S]", {"draws", "seed"}, [](const CliContext& context) {
                RefuseArguments(context, "sample");
                const int draws = static_cast<int>(
                    ParseWholeNumber("draws", context.Option("draws", "100"), 0, 32767));
                const auto seed = static_cast<unsigned>(
                    ParseWholeNumber("seed", context.Option("seed", "1"), 0, 4294967295L));
                ReplaceHistoryFile(context.db, MakeSampleHistory(draws, seed),
                                   HistoryKind::kSample);
                std::printf(
                    "%d 回分のサンプル当選データ（実際の当選結果ではありません）を"
                    "作成しました: %s\n",
                    draws, context.db.string().c_str());
                return 0;
            }};
}

}  // namespace pirumo::cli
