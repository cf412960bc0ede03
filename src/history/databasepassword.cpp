#include "history/databasepassword.h"

namespace pirumo {

namespace {
constexpr long kDatabasePasswordNumber = 4820137;
}

std::string DatabasePassword() {
    return std::to_string(kDatabasePasswordNumber);
}

}  // namespace pirumo
