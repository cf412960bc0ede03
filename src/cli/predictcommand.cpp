#include "cli/predictcommand.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "history/historyerror.h"
#include "history/historyfile.h"
#include "prediction/garuponpredictor.h"
#include "prediction/initfile.h"
#include "prediction/predictionexport.h"
#include "shell/atomicfile.h"

namespace pirumo {

namespace {

struct PredictArguments {
    std::filesystem::path ini = DefaultInitFilePath();
    std::string format = "json";
    std::filesystem::path out;
};

int Refuse(const std::string& message) {
    std::cerr << message << '\n';
    return 2;
}

std::filesystem::path PathOf(const QString& argument) {
    return std::filesystem::path(argument.toStdString());
}

}  // namespace

int RunPredictCommand(const std::filesystem::path& historyFile, const QStringList& arguments) {
    PredictArguments args;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        const bool takesValue = name == QStringLiteral("--ini") ||
                                name == QStringLiteral("--format") ||
                                name == QStringLiteral("--out");
        if (!takesValue) {
            return Refuse("predict: 不明な引数です: " + name.toStdString());
        }
        if (i + 1 >= arguments.size()) {
            return Refuse("predict: " + name.toStdString() + " の値がありません。");
        }
        const QString value = arguments[++i];
        if (name == QStringLiteral("--ini")) {
            args.ini = PathOf(value);
        } else if (name == QStringLiteral("--format")) {
            args.format = value.toStdString();
        } else {
            args.out = PathOf(value);
        }
    }
    if (args.format != "json" && args.format != "text" && args.format != "html") {
        return Refuse("predict: --format には json、text、html のいずれかを指定してください: " +
                      args.format);
    }

    GaruponPredictor predictor;
    try {
        ReadInitFile(args.ini, predictor.Options());
        predictor.Load(OpenDrawHistory(historyFile));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }

    const std::string output = args.format == "json"   ? PredictionToJson(predictor)
                               : args.format == "text" ? PredictionToText(predictor)
                                                       : PredictionToHtml(predictor);
    if (args.out.empty()) {
        std::cout << output;
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    try {
        WriteFileAtomically(args.out, output);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace pirumo
