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

// The published results of draws 1 to 1353 that the repository bundles.
inline std::filesystem::path RealHistoryCsv() {
    return PIRUMO_BUNDLED_HISTORY_CSV;
}

// The smallest Jet files the Access reader accepts, made by fuzz/make-seeds.py: jet4-query holds
// draws 1 to 3 (draw 3 without a bonus) behind 全データ選択クエリ, jet4-no-query draws 1 and 2.
inline std::filesystem::path HandMadeJetFile(const char* name = "jet4-query") {
    return std::filesystem::path(PIRUMO_FUZZ_CORPUS_DIR) / name;
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
