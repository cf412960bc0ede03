#pragma once

#include <stdexcept>

namespace pirumo {

// A file could not be read or written; the message is Japanese, names the file and says why.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace pirumo
