#pragma once

#include <QStringList>

#include <filesystem>

namespace pirumo {

// `predict [--ini FILE] [--format json|text|html] [--out FILE]`: the prediction window's four
// grids for the options in the settings file. Returns the exit status; messages go to stderr.
int RunPredictCommand(const std::filesystem::path& historyFile, const QStringList& arguments);

}  // namespace pirumo
