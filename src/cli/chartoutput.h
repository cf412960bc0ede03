#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>

#include "analyses/analysis.h"

namespace pirumo::cli {

// Whether the command line asks for a chart (--chart): only then is the charts module loaded.
bool AsksForChart(int argc, char* argv[]);

struct CliContext;

// --chart goes with --format png and png with --chart; a picture goes to a file or a pipe, never
// to the terminal. Throws CliError otherwise.
void RequirePngWithChart(const CliContext& context, const std::string& format);

// The application a chart is drawn in, made by the charts module; nullptr when the module cannot
// be loaded (ChartPng then says why).
std::unique_ptr<QCoreApplication> NewChartApplication(int& argc, char** argv);

// `show NAME --format png --chart`: the window's charts one under the other, as PNG bytes.
// Throws CliError for a window without charts or when the module cannot be loaded.
std::string ChartPng(const Analysis& window, const DrawHistory& history);

}  // namespace pirumo::cli
