#pragma once

#include <optional>

namespace pirumo {

bool StandardErrorIsTerminal();

// Flushes and closes standard output; the error number when anything written to it was lost
// (a full disk, a closed pipe), nullopt when all of it arrived.
std::optional<int> FinishStandardOutput();

// Sends standard error to the null device for the lifetime of the object, for a library that
// writes English warnings of its own there.
class SilencedStandardError {
public:
    SilencedStandardError();
    ~SilencedStandardError();
    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;

private:
    int mSaved = -1;
};

}  // namespace pirumo
