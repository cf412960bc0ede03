#pragma once

#include <array>
#include <string>

namespace pirumo {

// Cycle slots 0..3 stand for gaps of 7, 9, 11 and 12 draws.
inline constexpr std::array<int, 4> kCycleGaps{7, 9, 11, 12};

// The cycle method's hits by slot and position 1..6 (6 = bonus); "" where nothing was recorded.
class CycleTable {
public:
    static constexpr int kSlots = 4;
    static constexpr int kPositions = 6;

    const std::string& At(int slot, int position) const {
        return mEntries[static_cast<std::size_t>(slot)][static_cast<std::size_t>(position - 1)];
    }
    void Set(int slot, int position, std::string text) {
        mEntries[static_cast<std::size_t>(slot)][static_cast<std::size_t>(position - 1)] =
            std::move(text);
    }

    friend bool operator==(const CycleTable&, const CycleTable&) = default;

private:
    std::array<std::array<std::string, kPositions>, kSlots> mEntries;
};

}  // namespace pirumo
