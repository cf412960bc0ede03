#pragma once

#include <stdexcept>
#include <string>

namespace pirumo {

// A file could not be read or written; the message is Japanese, names the file and says why.
// `SystemError()` is the errno behind it where the system refused, else 0: a caller that knows
// better what the file stood for can say so with the same reason.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& message, int systemError = 0)
        : std::runtime_error(message), mSystemError(systemError) {}

    int SystemError() const { return mSystemError; }

private:
    int mSystemError = 0;
};

}  // namespace pirumo
