#include "grid/texttable.h"

#include <utility>

namespace pirumo {

TextTable::TextTable() : mTexts(1) {
    RebuildIndex();
}

TextTable::TextTable(const TextTable& other) : mTexts(other.mTexts) {
    RebuildIndex();
}

TextTable& TextTable::operator=(const TextTable& other) {
    if (this != &other) {
        mTexts = other.mTexts;
        RebuildIndex();
    }
    return *this;
}

void TextTable::RebuildIndex() {
    mIndex.clear();
    for (std::size_t id = 0; id < mTexts.size(); ++id) {
        mIndex.emplace(mTexts[id], static_cast<std::uint32_t>(id));
    }
}

std::uint32_t TextTable::Intern(std::string_view text) {
    if (const auto found = mIndex.find(text); found != mIndex.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(mTexts.size());
    mTexts.emplace_back(text);
    mIndex.emplace(mTexts.back(), id);
    return id;
}

std::size_t TextTable::MemoryBytes() const {
    // A hash node holds the pair, a next pointer and the cached hash, roughly.
    constexpr std::size_t kNodeBytes =
        sizeof(std::pair<std::string_view, std::uint32_t>) + 2 * sizeof(void*);
    std::size_t bytes = mIndex.bucket_count() * sizeof(void*) + mIndex.size() * kNodeBytes;
    for (const std::string& text : mTexts) {
        bytes += sizeof(std::string);
        if (text.capacity() > std::string().capacity()) {
            bytes += text.capacity() + 1;
        }
    }
    return bytes;
}

}  // namespace pirumo
