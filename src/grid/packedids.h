#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pirumo {

// A row of small ids, each stored in as few bytes as the largest id so far needs (1, 2 or 4): a
// grid of a long history names few styles and, per grid, rarely more than 65,535 texts, so its
// cells take a byte or two each instead of four. New ids are 0.
class PackedIds {
public:
    explicit PackedIds(std::size_t count = 0) : mBytes(count) {}

    std::size_t Size() const { return mBytes.size() / mWidth; }

    std::uint32_t Get(std::size_t index) const {
        const unsigned char* at = mBytes.data() + index * mWidth;
        switch (mWidth) {
            case 1:
                return *at;
            case 2: {
                std::uint16_t id = 0;
                std::memcpy(&id, at, sizeof id);
                return id;
            }
            default: {
                std::uint32_t id = 0;
                std::memcpy(&id, at, sizeof id);
                return id;
            }
        }
    }

    void Set(std::size_t index, std::uint32_t id) {
        if (id > MaxId()) {
            Widen(WidthFor(id));
        }
        unsigned char* at = mBytes.data() + index * mWidth;
        switch (mWidth) {
            case 1:
                *at = static_cast<unsigned char>(id);
                break;
            case 2: {
                const auto narrow = static_cast<std::uint16_t>(id);
                std::memcpy(at, &narrow, sizeof narrow);
                break;
            }
            default:
                std::memcpy(at, &id, sizeof id);
        }
    }

    // Copies `count` ids from `source` at `from` to this row at `to`.
    void CopyFrom(const PackedIds& source, std::size_t from, std::size_t to, std::size_t count);
    void Insert(std::size_t index, std::size_t count);  // `count` zeros before `index`
    void Erase(std::size_t index, std::size_t count);

    std::size_t MemoryBytes() const { return mBytes.capacity(); }

private:
    std::uint32_t MaxId() const {
        return mWidth == 4 ? UINT32_MAX : (std::uint32_t{1} << (8 * mWidth)) - 1;
    }
    static std::size_t WidthFor(std::uint32_t id) {
        return id <= UINT8_MAX ? 1 : id <= UINT16_MAX ? 2 : 4;
    }
    void Widen(std::size_t width);

    std::vector<unsigned char> mBytes;
    std::size_t mWidth = 1;  // bytes per id
};

}  // namespace pirumo
