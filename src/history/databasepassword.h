#pragma once

#include <string>

namespace pirumo {

// The history file's key: a fixed number turned into its decimal text. Never shown to the user.
std::string DatabasePassword();

}  // namespace pirumo
