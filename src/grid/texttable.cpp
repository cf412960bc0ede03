#include "grid/texttable.h"

#include <functional>

namespace pirumo {

namespace {

constexpr std::size_t kFirstSlotCount = 64;  // a power of two, as every later count

}  // namespace

TextTable::TextTable() : mTexts(1), mSlots(kFirstSlotCount, 0) {}

// The slot that holds `text`, or the free slot where it belongs.
std::size_t TextTable::SlotOf(std::string_view text) const {
    const std::size_t mask = mSlots.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(text)&mask;
    while (mSlots[slot] != 0 && mTexts[mSlots[slot]] != text) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

std::uint32_t TextTable::Intern(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    std::size_t slot = SlotOf(text);
    if (mSlots[slot] != 0) {
        return mSlots[slot];
    }
    // Kept at most half full, so that probes stay short.
    if (2 * mTexts.size() >= mSlots.size()) {
        Grow();
        slot = SlotOf(text);
    }
    const auto id = static_cast<std::uint32_t>(mTexts.size());
    mTexts.emplace_back(text);
    mSlots[slot] = id;
    return id;
}

void TextTable::Grow() {
    mSlots.assign(2 * mSlots.size(), 0);
    for (std::size_t id = 1; id < mTexts.size(); ++id) {
        mSlots[SlotOf(mTexts[id])] = static_cast<std::uint32_t>(id);
    }
}

std::size_t TextTable::MemoryBytes() const {
    std::size_t bytes = mSlots.capacity() * sizeof(std::uint32_t);
    for (const std::string& text : mTexts) {
        bytes += sizeof(std::string);
        if (text.capacity() > std::string().capacity()) {
            bytes += text.capacity() + 1;
        }
    }
    return bytes;
}

}  // namespace pirumo
