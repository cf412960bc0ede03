#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace pirumo {

// Interned texts: each distinct text is stored once and named by a small id; id 0 is "".
// References returned by At() stay valid while the table lives, also as it grows.
class TextTable {
public:
    TextTable();

    std::uint32_t Intern(std::string_view text);
    const std::string& At(std::uint32_t id) const { return mTexts[id]; }
    std::size_t MemoryBytes() const;

private:
    void Grow();
    std::size_t SlotOf(std::string_view text) const;

    std::deque<std::string> mTexts;
    // Open addressing over the ids of mTexts (0 = free slot, as "" is never looked up): a grid of
    // a long history holds hundreds of thousands of texts, and a node per text would cost more
    // than the texts.
    std::vector<std::uint32_t> mSlots;
};

}  // namespace pirumo
