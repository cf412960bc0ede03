#pragma once

#include <string>

namespace pirumo {

// The history file's key: a fixed number turned into its decimal text. Never shown to the user.
std::string DatabasePassword();

// PBKDF2 rounds that turn the password into the cipher key. The password has about 63 bits of
// its own, so a low count costs nothing in safety and keeps opening the file within a few
// milliseconds. Every file of this program is keyed with it.
constexpr int kDatabaseKeyIterations = 1000;

}  // namespace pirumo
