#pragma once

#include <fstream>
#include <string>

namespace pirumo::bench {

// A line of /proc/self/status such as VmRSS (resident now) or VmHWM (resident at the peak), in
// MiB; 0 where the system has no such file.
inline double StatusMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
        }
    }
    return 0.0;
}

}  // namespace pirumo::bench
