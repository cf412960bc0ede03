// libFuzzer target: arbitrary bytes through the CSV reader and the draw-field rules, as a file
// chosen for import reaches them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "history/historyerror.h"
#include "history/import/csvdraws.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        for (const pirumo::Draw& draw : pirumo::ParseCsvHistory(bytes)) {
            // Whatever is accepted must be a draw the history file can hold.
            if (draw.drawNumber < 1 || draw.drawNumber > pirumo::kMaxDrawNumber) {
                __builtin_trap();
            }
            for (auto n : draw.numbers) {
                if (n != pirumo::Draw::kEmptyField && !pirumo::IsLotteryNumber(n)) {
                    __builtin_trap();
                }
            }
        }
    } catch (const pirumo::HistoryError&) {
        // A refusal is the expected answer to most inputs.
    }
    return 0;
}
