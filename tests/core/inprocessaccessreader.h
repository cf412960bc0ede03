#pragma once

#include <filesystem>
#include <vector>

#include "history/import/accessreader.h"
#include "history/import/accessrows.h"

namespace pirumo::test {

// Reads Jet files in this process, as the child of IsolatedAccessReader does, and counts the
// files it was asked to read.
class InProcessAccessReader : public AccessReader {
public:
    std::vector<Draw> Read(const std::filesystem::path& file) const override {
        ++mReads;
        return ReadAccessHistoryRows(file);
    }
    int Reads() const { return mReads; }

private:
    mutable int mReads = 0;
};

}  // namespace pirumo::test
