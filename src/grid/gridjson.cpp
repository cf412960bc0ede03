#include <charconv>
#include <cmath>
#include <cstdio>

#include "grid/gridexport.h"

namespace pirumo {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when the bytes there are not one.
std::size_t ValidSequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const std::size_t length = ValidSequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(text.substr(i, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\b') {
            out += "\\b";
        } else if (c == '\f') {
            out += "\\f";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
        i += length;
    }
    out += '"';
}

// "key": [[cell, ...], ...] with one grid row per line.
template <typename CellValue>
void AppendMatrix(std::string& out, const ResultGrid& grid, std::string_view key,
                  CellValue&& cellValue) {
    out += "  \"";
    out += key;
    out += "\": [";
    for (int r = 1; r <= grid.RowCount(); ++r) {
        out += r == 1 ? "\n    [" : ",\n    [";
        for (int c = 1; c <= grid.ColumnCount(); ++c) {
            if (c > 1) {
                out += ", ";
            }
            cellValue(out, c, r);
        }
        out += ']';
    }
    out += grid.RowCount() > 0 ? "\n  ]" : "]";
}

template <typename Value>
void AppendList(std::string& out, std::string_view key, int count, Value&& value) {
    out += "  \"";
    out += key;
    out += "\": [";
    for (int i = 1; i <= count; ++i) {
        if (i > 1) {
            out += ", ";
        }
        out += JsonNumber(value(i));
    }
    out += ']';
}

}  // namespace

std::string JsonQuote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendQuoted(out, text);
    return out;
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const double whole = std::trunc(value);
    const auto result =
        whole == value && std::fabs(value) < 1e15
            ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value))
            : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string GridToJson(const ResultGrid& grid, std::string_view name, std::string_view caption) {
    std::string out;
    out.reserve(static_cast<std::size_t>(grid.RowCount() + 1) *
                static_cast<std::size_t>(grid.ColumnCount() + 1) * 48);
    out += "{\n  \"name\": ";
    AppendQuoted(out, name);
    out += ",\n  \"caption\": ";
    AppendQuoted(out, caption);
    out += ",\n  \"columns\": " + std::to_string(grid.ColumnCount());
    out += ",\n  \"rows\": " + std::to_string(grid.RowCount());
    out += ",\n";
    AppendList(out, "columnWidths", grid.ColumnCount(), [&](int c) { return grid.ColumnWidth(c); });
    out += ",\n";
    AppendList(out, "rowHeights", grid.RowCount(), [&](int r) { return grid.RowHeight(r); });
    out += ",\n";
    AppendMatrix(out, grid, "text",
                 [&](std::string& o, int c, int r) { AppendQuoted(o, grid.CellText(c, r)); });
    out += ",\n";
    AppendMatrix(out, grid, "fore", [&](std::string& o, int c, int r) {
        o += std::to_string(grid.StyleAt(c, r).fore);
    });
    out += ",\n";
    AppendMatrix(out, grid, "back", [&](std::string& o, int c, int r) {
        o += std::to_string(grid.StyleAt(c, r).back);
    });
    out += ",\n";
    AppendMatrix(out, grid, "align", [&](std::string& o, int c, int r) {
        o += grid.StyleAt(c, r).align == HAlign::Left ? "\"left\"" : "\"center\"";
    });
    out += ",\n";
    AppendMatrix(out, grid, "borders", [&](std::string& o, int c, int r) {
        o += std::to_string(grid.StyleAt(c, r).borders);
    });
    out += "\n}\n";
    return out;
}

}  // namespace pirumo
