#pragma once

#include <stdexcept>
#include <string>

namespace pirumo {

// A failure of the history file or of an import, with a message in Japanese (UTF-8) that can be
// shown to the user as it stands.
class HistoryError : public std::runtime_error {
public:
    // A NUL echoed from a file would end what() there and cut the message: it is kept as the
    // mark ␀, as ReadableMessage shows it.
    explicit HistoryError(std::string message) : std::runtime_error(WithVisibleNul(message)) {}
    explicit HistoryError(const char* message) : std::runtime_error(message) {}

private:
    static std::string WithVisibleNul(std::string text) {
        for (std::size_t at = text.find('\0'); at != std::string::npos; at = text.find('\0', at)) {
            text.replace(at, 1, "\u2400");
        }
        return text;
    }
};

}  // namespace pirumo
