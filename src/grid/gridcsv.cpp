#include "grid/gridexport.h"

namespace pirumo {

namespace {

void AppendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

}  // namespace

std::string GridToCsv(const ResultGrid& grid) {
    std::string out;
    for (int r = 1; r <= grid.RowCount(); ++r) {
        for (int c = 1; c <= grid.ColumnCount(); ++c) {
            if (c > 1) {
                out += ',';
            }
            AppendField(out, grid.CellText(c, r));
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace pirumo
