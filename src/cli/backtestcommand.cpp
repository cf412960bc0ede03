#include <charconv>

#include "cli/clicommand.h"
#include "history/store/historyfile.h"
#include "prediction/backtest/backtest.h"
#include "prediction/backtest/backtestexport.h"
#include "prediction/initfile.h"

namespace pirumo::cli {

namespace {

int DrawNumberOption(const CliContext& context, const std::string& name) {
    const std::string text = context.Option(name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        throw CliError{
            "--" + name + " には回数（1 以上の整数）を指定してください: 「" + text + "」", 2};
    }
    return value;
}

}  // namespace

CliCommand BacktestCommand() {
    return {"backtest",
            "[--from N] [--to N] [--ini FILE] [--format json|text|csv|html] [--out FILE]",
            {"from", "to", "ini", "format", "out"},
            [](const CliContext& context) {
                RefuseArguments(context, "backtest");
                const std::string format = FormatOption(context, {"json", "text", "csv", "html"});
                PredictionOptions options;
                ReadInitFile(context.settings, options);
                const DrawHistory history = ReadHistoryToReport(context);
                const int from = context.Has("from") ? DrawNumberOption(context, "from")
                                                     : DefaultBacktestRange(history).first;
                const int to =
                    context.Has("to") ? DrawNumberOption(context, "to") : history.LastDrawNumber();
                if (from > to) {
                    throw CliError{"--from（第" + std::to_string(from) + "回）が --to（第" +
                                       std::to_string(to) + "回）より後になっています。",
                                   2};
                }
                const BacktestResult result = RunBacktest(history, options, from, to);
                WriteOutput(context, format == "json"   ? BacktestToJson(result)
                                     : format == "text" ? BacktestToText(result)
                                     : format == "csv"  ? BacktestToCsv(result)
                                                        : BacktestToHtml(result));
                return 0;
            }};
}

}  // namespace pirumo::cli
