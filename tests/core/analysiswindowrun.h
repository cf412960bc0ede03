#pragma once

#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/analysis.h"
#include "history/import/historycsv.h"
#include "testhistory.h"

namespace pirumo::test {

// The grid that a window's analysis leaves for this history.
inline ResultGrid RunWindowAnalysis(const Analysis& window, const DrawHistory& history) {
    ResultGrid grid;
    window.fillGrid(history, grid);
    return grid;
}

inline ResultGrid RunWindowAnalysis(const Analysis& window, const std::vector<Draw>& draws) {
    return RunWindowAnalysis(window, DrawHistory(draws));
}

// Chosen for a braced list of draws, which would otherwise fit both overloads above.
inline ResultGrid RunWindowAnalysis(const Analysis& window, std::initializer_list<Draw> draws) {
    return RunWindowAnalysis(window, std::vector<Draw>(draws));
}

// The bundled published history through the CSV import.
inline DrawHistory LoadRealHistory() {
    std::ifstream in(RealHistoryCsv(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return DrawHistory(ParseCsvHistory(bytes.str()));
}

// Draws 1..count, all valid; numbers cycle so that every draw differs.
inline std::vector<Draw> NumberedDraws(int count) {
    std::vector<Draw> draws;
    for (int n = 1; n <= count; ++n) {
        const int base = n % 26;
        draws.push_back(MakeDraw(n, {base + 1, base + 2, base + 3, base + 4, base + 5}, base + 6));
    }
    return draws;
}

// Characters (code points) of a UTF-8 text.
inline std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// A text of blanks and words given as runs: "3S" three half-width blanks, "2I" two ideographic
// blanks (U+3000); anything else is copied. E.g. "9SＡ14S".
inline std::string Runs(std::string_view recipe) {
    std::string text;
    int count = 0;
    for (char c : recipe) {
        if (c >= '0' && c <= '9') {
            count = count * 10 + (c - '0');
        } else if ((c == 'S' || c == 'I') && count > 0) {
            for (int i = 0; i < count; ++i) {
                text += c == 'S' ? " " : "　";
            }
            count = 0;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace pirumo::test
