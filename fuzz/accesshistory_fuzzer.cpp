// libFuzzer target: arbitrary bytes through the Jet reader and the import checks, as a
// downloaded or user-chosen file reaches them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "history/historyerror.h"
#include "history/import/accessrows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        pirumo::ReadAccessHistoryRowsFromBytes(bytes);
    } catch (const pirumo::HistoryError&) {
        // A refusal is the expected answer to most inputs.
    }
    return 0;
}
