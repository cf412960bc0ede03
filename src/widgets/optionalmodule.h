#pragma once

#include <QtGlobal>

#include <stdexcept>

namespace pirumo {

// Printing and downloading need Qt modules that most runs never use. Their code is built as small
// shared modules, installed in lib/pirumo beside the program's bin folder (and found in the build
// tree), and loaded the first time they are needed, so that start-up does not load those
// libraries.
class OptionalModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The function `symbol` of the module `name` (the file libNAME.so); the module stays loaded until
// the program exits. Throws OptionalModuleError, with a Japanese message naming the file, when
// the module is missing, cannot be loaded or lacks the function.
QFunctionPointer OptionalModuleFunction(const char* name, const char* symbol);

template <typename Function>
Function* OptionalModuleFunction(const char* name, const char* symbol) {
    return reinterpret_cast<Function*>(OptionalModuleFunction(name, symbol));
}

}  // namespace pirumo
