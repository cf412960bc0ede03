#include "cli/clicommand.h"
#include "history/store/historyfile.h"
#include "prediction/garuponpredictor.h"
#include "prediction/initfile.h"
#include "prediction/predictionexport.h"

namespace pirumo::cli {

CliCommand PredictCommand() {
    return {"predict",
            "[--ini FILE] [--format json|text|html] [--out FILE]",
            {"ini", "format", "out"},
            [](const CliContext& context) {
                RefuseArguments(context, "predict");
                const std::string format = context.Option("format", "text");
                if (format != "json" && format != "text" && format != "html") {
                    throw CliError{
                        "形式「" + format + "」には対応していません（json, text, html）。", 2};
                }
                GaruponPredictor predictor;
                // A missing settings file leaves every option off, as at start-up.
                ReadInitFile(context.settings, predictor.Options());
                predictor.Load(OpenDrawHistory(context.db));
                WriteOutput(context, format == "json"   ? PredictionToJson(predictor)
                                     : format == "text" ? PredictionToText(predictor)
                                                        : PredictionToHtml(predictor));
                return 0;
            }};
}

}  // namespace pirumo::cli
