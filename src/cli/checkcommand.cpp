#include "cli/clicommand.h"
#include "history/store/historyfile.h"
#include "prediction/backtest/backtestexport.h"
#include "prediction/backtest/numbercheck.h"

namespace pirumo::cli {

CliCommand CheckCommand() {
    return {"check",
            "A B C D E [--format json|text] [--out FILE]",
            {"format", "out"},
            [](const CliContext& context) {
                const std::string format = FormatOption(context, {"json", "text"});
                std::array<int, 5> numbers{};
                try {
                    numbers = ParseCheckNumbers(context.arguments);
                } catch (const NumberCheckError& e) {
                    throw CliError{e.what(), 2};
                }
                const NumberCheckResult result =
                    CheckNumbers(ReadHistoryToReport(context), numbers);
                WriteOutput(context, format == "json" ? NumberCheckToJson(result)
                                                      : NumberCheckToText(result));
                return 0;
            }};
}

}  // namespace pirumo::cli
