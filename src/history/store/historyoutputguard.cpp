#include "history/store/historyoutputguard.h"

#include "base/protectedoutput.h"

namespace pirumo {

void ProtectHistoryFromOutput(const std::filesystem::path& history) {
    ProtectFromOutput(history);
    ProtectFromOutput(history.string() + ".bak");
}

}  // namespace pirumo
