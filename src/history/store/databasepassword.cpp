#include "history/store/databasepassword.h"

#include <cstdint>

namespace pirumo {

namespace {
constexpr std::uint64_t kDatabasePasswordNumber = 7305186429157730241ULL;
}

std::string DatabasePassword() {
    return std::to_string(kDatabasePasswordNumber);
}

}  // namespace pirumo
