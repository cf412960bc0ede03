#pragma once

#include "cli/clicommand.h"
#include "history/drawrange.h"

namespace pirumo::cli {

// The range --last N, or --from A and --to B (either may be left out), name; 全期間 without them.
// Throws CliError for a value that is not a whole number, for --last together with --from or
// --to, and for a range holding no valid draw of `history`.
DrawRange RangeOption(const CliContext& context, const DrawHistory& history);

}  // namespace pirumo::cli
