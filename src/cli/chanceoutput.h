#pragma once

#include <string>

#include "analyses/analysis.h"
#include "print/printdocument.h"

namespace pirumo::cli {

// `show --chance`: the window's output in `format` (json, csv, text or html) followed by its
// comparison with a fair draw.
std::string AppendChance(const std::string& format, const std::string& output,
                         const Analysis& window, const DrawHistory& history);

// The same for a printout: `chanceGrid` is filled and printed after the window's grid.
void AppendChance(PrintDocument& document, ResultGrid& chanceGrid, const Analysis& window,
                  const DrawHistory& history);

}  // namespace pirumo::cli
