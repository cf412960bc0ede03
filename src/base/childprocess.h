#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace pirumo {

struct ChildOutcome {
    bool timedOut = false;  // killed at the time limit
    int signal = 0;         // the signal that ended it, or 0
    int exitCode = -1;      // its exit status when it exited
    std::string errorText;  // the tail of its standard error
};

// Runs args[0] (a path) with the arguments, standard input and output on the null device, and
// waits for its end or the time limit, after which it is killed. Throws FileError in Japanese
// when it cannot be started.
ChildOutcome RunChildProcess(const std::vector<std::string>& args, std::chrono::seconds limit);

}  // namespace pirumo
