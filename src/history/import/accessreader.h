#pragma once

#include <filesystem>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Reads the draws of a Jet (Access) file. libmdb, which parses them, is C with little checking
// of its own: a hostile or badly damaged file can make it loop for minutes or crash. So the core
// never reads a Jet file itself; each program gives a reader that keeps that work out of its own
// process, and tests may give one that reads in process.
class AccessReader {
public:
    virtual ~AccessReader() = default;

    // The draws of the file, checked and in ascending 回数 order as ReadAccessHistoryRows gives
    // them. Throws HistoryError with a Japanese message naming the file.
    virtual std::vector<Draw> Read(const std::filesystem::path& file) const = 0;
};

}  // namespace pirumo
