#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pirumo {

// Interned texts: each distinct text is stored once and named by a small id; id 0 is "".
// References returned by At() stay valid while the table lives, also as it grows.
class TextTable {
public:
    TextTable();
    TextTable(const TextTable& other);
    TextTable& operator=(const TextTable& other);
    TextTable(TextTable&&) noexcept = default;
    TextTable& operator=(TextTable&&) noexcept = default;

    std::uint32_t Intern(std::string_view text);
    const std::string& At(std::uint32_t id) const { return mTexts[id]; }
    std::size_t MemoryBytes() const;

private:
    void RebuildIndex();

    std::deque<std::string> mTexts;
    // Keys view the strings in mTexts, so a copy must index its own strings.
    std::unordered_map<std::string_view, std::uint32_t> mIndex;
};

}  // namespace pirumo
