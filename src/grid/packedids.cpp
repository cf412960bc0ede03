#include "grid/packedids.h"

#include <algorithm>

namespace pirumo {

void PackedIds::Widen(std::size_t width) {
    PackedIds wider;
    wider.mWidth = width;
    wider.mBytes.resize(Size() * width);
    for (std::size_t i = 0; i < Size(); ++i) {
        wider.Set(i, Get(i));
    }
    *this = std::move(wider);
}

void PackedIds::CopyFrom(const PackedIds& source, std::size_t from, std::size_t to,
                         std::size_t count) {
    if (source.mWidth > mWidth) {
        Widen(source.mWidth);
    }
    if (source.mWidth == mWidth) {
        std::copy_n(source.mBytes.begin() + static_cast<std::ptrdiff_t>(from * mWidth),
                    count * mWidth, mBytes.begin() + static_cast<std::ptrdiff_t>(to * mWidth));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        Set(to + i, source.Get(from + i));
    }
}

void PackedIds::Insert(std::size_t index, std::size_t count) {
    mBytes.insert(mBytes.begin() + static_cast<std::ptrdiff_t>(index * mWidth), count * mWidth, 0);
}

void PackedIds::Erase(std::size_t index, std::size_t count) {
    const auto begin = mBytes.begin() + static_cast<std::ptrdiff_t>(index * mWidth);
    mBytes.erase(begin, begin + static_cast<std::ptrdiff_t>(count * mWidth));
}

}  // namespace pirumo
