#include "cli/clicommand.h"
#include "history/store/historyfile.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/garuponpredictor.h"
#include "prediction/initfile.h"
#include "prediction/predictionexport.h"
#include "print/pdfdocument.h"
#include "print/predictionprint.h"

namespace pirumo::cli {

CliCommand PredictCommand() {
    return {"predict",
            "[--ini FILE] [--format json|text|html|pdf] [--out FILE] [--log]",
            {"ini", "format", "out", "log"},
            [](const CliContext& context) {
                RefuseArguments(context, "predict");
                const std::string format = FormatOption(context, {"json", "text", "html", "pdf"});
                RequireOutFileForPdf(context, format);
                GaruponPredictor predictor;
                // A missing settings file leaves every option off, as at start-up.
                ReadInitFile(context.settings, predictor.Options());
                const DrawHistory history = ReadHistoryToReport(context);
                predictor.Load(history);
                if (format == "pdf") {
                    WriteOutput(context, PdfBytes(DocumentToPdf(PredictionPrintDocument(
                                             predictor, history, QDate::currentDate()))));
                } else {
                    const NextDraw next = NextDrawOf(history);
                    WriteOutput(context, format == "json"   ? PredictionToJson(predictor, next)
                                         : format == "text" ? PredictionToText(predictor, next)
                                                            : PredictionToHtml(predictor, next));
                }
                // A prediction that shows no numbers is not one to score later.
                if (context.Has("log") && predictor.Shortage().empty()) {
                    // Recorded beside the history, as the prediction window records its showings.
                    AppendToPredictionLog(PredictionLogPath(context.db),
                                          MakePredictionLogEntry(history, predictor));
                }
                return 0;
            }};
}

}  // namespace pirumo::cli
