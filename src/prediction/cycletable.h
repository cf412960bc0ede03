#pragma once

#include <array>

namespace pirumo {

// Cycle slots 0..3 stand for gaps of 7, 9, 11 and 12 draws.
inline constexpr std::array<int, 4> kCycleGaps{7, 9, 11, 12};

// The cycle method's hits by slot and position 1..6 (6 = bonus): the number that recurred, 0
// where nothing was recorded.
class CycleTable {
public:
    static constexpr int kSlots = 4;
    static constexpr int kPositions = 6;
    static constexpr int kMainPositions = 5;  // the bonus is position 6

    int At(int slot, int position) const {
        return mEntries[static_cast<std::size_t>(slot)][static_cast<std::size_t>(position - 1)];
    }
    void Set(int slot, int position, int number) {
        mEntries[static_cast<std::size_t>(slot)][static_cast<std::size_t>(position - 1)] = number;
    }

    friend bool operator==(const CycleTable&, const CycleTable&) = default;

private:
    std::array<std::array<int, kPositions>, kSlots> mEntries{};
};

}  // namespace pirumo
