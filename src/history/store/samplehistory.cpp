#include "history/store/samplehistory.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <numeric>

#include "history/historyerror.h"

namespace pirumo {

namespace {

// splitmix64: tiny, and fixed by its definition, unlike the standard distributions.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : mState(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (mState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. bound-1
    unsigned Below(unsigned bound) { return static_cast<unsigned>(((Next() >> 32) * bound) >> 32); }

private:
    std::uint64_t mState;
};

std::string DateAfterWeeks(int weeks) {
    using namespace std::chrono;
    const year_month_day day{sys_days{year{1999} / April / 13} + days{7 * weeks}};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return buffer;
}

}  // namespace

std::vector<Draw> MakeSampleHistory(int draws, unsigned seed) {
    if (draws < 0 || draws > 32767) {
        throw HistoryError("回数「" + std::to_string(draws) +
                           "」は0から32767までの整数で指定してください。");
    }
    SplitMix64 random(seed);
    std::vector<Draw> rows;
    rows.reserve(static_cast<std::size_t>(draws));
    std::array<std::int16_t, 31> pool;
    for (int k = 0; k < draws; ++k) {
        std::iota(pool.begin(), pool.end(), std::int16_t{1});
        // The first six places of a partial shuffle: five main numbers, then the bonus.
        for (unsigned i = 0; i < Draw::kFieldCount; ++i) {
            std::swap(pool[i], pool[i + random.Below(31 - i)]);
        }
        Draw d;
        d.drawNumber = k + 1;
        std::copy(pool.begin(), pool.begin() + Draw::kFieldCount, d.numbers.begin());
        std::sort(d.numbers.begin(), d.numbers.begin() + Draw::kBonusIndex);
        d.date = DateAfterWeeks(k);
        rows.push_back(std::move(d));
    }
    return rows;
}

}  // namespace pirumo
