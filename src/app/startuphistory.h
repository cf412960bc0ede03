#pragma once

#include <filesystem>
#include <optional>

#include "history/drawhistory.h"
#include "history/import/accessreader.h"

class QWidget;

namespace pirumo {

// What a missing history can be made from at start-up.
struct StartupSources {
    std::filesystem::path bundledHistory;  // the shipped results; empty when absent
    const AccessReader& access;            // reads an Access file chosen for import
};

// Reads the history at start-up. A missing file: the user may create it from the bundled results
// (the default), import a CSV or Access file into it, start with an empty history, or end. A
// file that exists but cannot be read: the reason is shown, the file is left as it is, and the
// program ends. nullopt = end the program.
std::optional<DrawHistory> OpenStartupHistory(QWidget* parent, const std::filesystem::path& file,
                                              const StartupSources& sources);

}  // namespace pirumo
