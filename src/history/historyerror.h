#pragma once

#include <stdexcept>
#include <string>

namespace pirumo {

// A failure of the history file or of an import, with a message in Japanese (UTF-8) that can be
// shown to the user as it stands.
class HistoryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace pirumo
