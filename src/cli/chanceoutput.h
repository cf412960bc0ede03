#pragma once

#include <string>

#include "analyses/analysis.h"

namespace pirumo::cli {

// `show --chance`: the window's output in `format` (json, csv or text) followed by its
// comparison with a fair draw; throws CliError for a window without one.
std::string AppendChance(const std::string& format, const std::string& output,
                         const Analysis& window, const DrawHistory& history);

}  // namespace pirumo::cli
