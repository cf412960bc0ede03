#pragma once

#include <filesystem>
#include <optional>

#include "history/drawhistory.h"

class QWidget;

namespace pirumo {

// Reads the history at start-up. A missing file: the user may import a CSV file into it or start
// with an empty history (or end). A file that exists but cannot be read: the reason is shown, the
// file is left as it is, and the program ends. nullopt = end the program.
std::optional<DrawHistory> OpenStartupHistory(QWidget* parent, const std::filesystem::path& file);

}  // namespace pirumo
