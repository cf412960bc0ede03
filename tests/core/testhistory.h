#pragma once

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "history/drawhistory.h"

namespace pirumo::test {

// A draw with five main numbers and a bonus; 0 leaves a field empty.
inline Draw MakeDraw(int drawNumber, std::initializer_list<int> main, int bonus) {
    Draw d;
    d.drawNumber = drawNumber;
    std::size_t i = 0;
    for (int n : main) {
        d.numbers[i++] = static_cast<std::int16_t>(n);
    }
    d.numbers[Draw::kBonusIndex] = static_cast<std::int16_t>(bonus);
    return d;
}

// The published history beside the repository, or an empty path when it is absent.
inline std::filesystem::path RealHistoryCsv() {
    const std::filesystem::path p =
        std::filesystem::path(PIRUMO_SHARED_DATA_DIR) / "miniloto-history.csv";
    return std::filesystem::exists(p) ? p : std::filesystem::path();
}

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pirumo-test-XXXXXX").string();
        mPath = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

}  // namespace pirumo::test
