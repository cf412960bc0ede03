#include "analyses/analysiscatalog.h"
#include "cli/chanceoutput.h"
#include "cli/chartoutput.h"
#include "cli/clicommand.h"
#include "cli/rangeoption.h"
#include "grid/gridexport.h"
#include "history/store/historyfile.h"
#include "print/analysisprint.h"
#include "print/pdfdocument.h"

namespace pirumo::cli {

namespace {

std::string FormatGrid(const std::string& format, const Analysis& window, const ResultGrid& grid) {
    if (format == "json") {
        return GridToJson(grid, window.name, window.caption);
    }
    if (format == "csv") {
        // With the BOM that the history export writes: spreadsheets read UTF-8 only with it.
        return "\xEF\xBB\xBF" + GridToCsv(grid);
    }
    if (format == "text") {
        return GridToText(grid);
    }
    return GridToHtml(grid, window.caption);
}

}  // namespace

CliCommand ShowCommand() {
    return {
        "show",
        "NAME [--last N | --from A --to B] [--format json|csv|text|html|pdf] [--out FILE] "
        "[--chance] | --format png --chart [--out FILE]",
        {"format", "out", "last", "from", "to", "chance", "chart"},
        [](const CliContext& context) {
            if (context.arguments.size() != 1) {
                throw CliError{"show にはウィンドウ名を一つ指定してください（list で一覧）。", 2};
            }
            const auto* window = FindAnalysisByNameOrCaption(context.arguments[0]);
            if (window == nullptr) {
                throw CliError{"ウィンドウ「" + context.arguments[0] +
                                   "」はありません（list で一覧を表示します）。",
                               2};
            }
            const std::string format =
                FormatOption(context, {"json", "csv", "text", "html", "pdf", "png"});
            RequireOutFileForPdf(context, format);
            RequirePngWithChart(context, format);
            if (context.Has("chance") && !window->chance) {
                throw CliError{"ウィンドウ「" + window->name + "」には偶然との比較がありません。",
                               2};
            }
            const DrawHistory whole = ReadHistoryToReport(context);
            const DrawRange range = RangeOption(context, whole);
            const DrawHistory history = RestrictHistory(whole, range);
            // The caption names the range, so that the output says which draws it counts.
            Analysis named = *window;
            if (const std::string caption = DrawRangeCaption(range, history); !caption.empty()) {
                named.caption += "　" + caption;
            }
            ResultGrid grid;
            window->fillGrid(history, grid);
            if (format == "png") {
                WriteOutput(context, ChartPng(named, history));
            } else if (format == "pdf") {
                PrintDocument document =
                    AnalysisPrintDocument(named, grid, history, QDate::currentDate());
                ResultGrid chanceGrid;
                if (context.Has("chance")) {
                    AppendChance(document, chanceGrid, named, history);
                }
                WriteOutput(context, PdfBytes(DocumentToPdf(document)));
            } else if (context.Has("chance")) {
                WriteOutput(context, AppendChance(format, FormatGrid(format, named, grid), named,
                                                  history));
            } else {
                WriteOutput(context, FormatGrid(format, named, grid));
            }
            return 0;
        }};
}

}  // namespace pirumo::cli
