// libFuzzer target: arbitrary bytes through the settings-file reader, as a file someone edited
// by hand reaches it at start-up.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "prediction/initfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pirumo::PredictionOptions options;
    pirumo::ParseInitText(std::string_view(reinterpret_cast<const char*>(data), size), options);
    // Reading never fails; what it read must write back and read again to the same options.
    pirumo::PredictionOptions again;
    pirumo::ParseInitText(pirumo::FormatInitText(options), again);
    if (again.reflect != options.reflect) {
        __builtin_trap();
    }
    return 0;
}
