#pragma once

#include <string>
#include <vector>

#include "filebytes.h"
#include "history/store/historyfile.h"
#include "testhistory.h"

namespace pirumo::test {

// Draws 1..count with valid numbers that differ from draw to draw.
inline std::vector<Draw> SomeDraws(int count) {
    std::vector<Draw> rows;
    for (int n = 1; n <= count; ++n) {
        const auto number = [n](int offset) { return (n + offset) % 31 + 1; };
        rows.push_back(
            MakeDraw(n, {number(0), number(5), number(11), number(17), number(23)}, number(29)));
    }
    return rows;
}

// The bytes of an encrypted history file holding rows, as a download server would send them.
inline std::string HistoryFileBytes(const std::vector<Draw>& rows) {
    TempFolder folder;
    ReplaceHistoryFile(folder.Path() / "Pirumo.mdb", rows);
    return ReadFileBytes(folder.Path() / "Pirumo.mdb");
}

}  // namespace pirumo::test
