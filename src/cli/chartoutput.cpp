#include "cli/chartoutput.h"

#include <unistd.h>
#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cstring>

#include "analyses/analysischarts.h"
#include "cli/clicommand.h"
#include "module/chartmodule.h"
#include "module/moduleloader.h"

namespace pirumo::cli {

namespace {

// The size of one chart in the picture, in pixels.
constexpr int kChartWidth = 1000;
constexpr int kChartHeight = 560;

}  // namespace

bool AsksForChart(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--chart") == 0) {
            return true;
        }
    }
    return false;
}

void RequirePngWithChart(const CliContext& context, const std::string& format) {
    if (context.Has("chart") != (format == "png")) {
        throw CliError{"グラフは --format png --chart で書き出してください。", 2};
    }
    if (format == "png" && context.Has("chance")) {
        throw CliError{"--chance はグラフ（--format png）には指定できません。", 2};
    }
    if (format == "png" && !context.Has("out") && ::isatty(STDOUT_FILENO) == 1) {
        throw CliError{"PNG は --out で書き出すファイルを指定してください。", 2};
    }
}

std::unique_ptr<QCoreApplication> NewChartApplication(int& argc, char** argv) {
    QString ignored;  // said by ChartPng, once the command line is known to be right
    ChartModule* module = LoadProgramModuleAs<ChartModule>(ignored);
    return module != nullptr ? module->NewApplication(argc, argv) : nullptr;
}

std::string ChartPng(const Analysis& window, const DrawHistory& history) {
    if (!window.chance) {
        throw CliError{"ウィンドウ「" + window.name + "」にはグラフがありません。", 2};
    }
    QString error;
    ChartModule* module = LoadProgramModuleAs<ChartModule>(error);
    if (module == nullptr || !QCoreApplication::instance()->inherits("QApplication")) {
        throw CliError{"グラフを描けません。" + error.toStdString()};
    }
    const std::vector<Chart> charts = ChanceCharts(window.chance(history));
    QImage picture(kChartWidth,
                   kChartHeight * static_cast<int>(std::max<std::size_t>(1, charts.size())),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (std::size_t i = 0; i < charts.size(); ++i) {
        module->Paint(charts[i], painter,
                      QRectF(0, kChartHeight * static_cast<double>(i), kChartWidth, kChartHeight));
    }
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return std::string(png.constData(), static_cast<std::size_t>(png.size()));
}

}  // namespace pirumo::cli
