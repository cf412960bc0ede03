#include <algorithm>
#include <vector>

#include "grid/displaywidth.h"
#include "grid/gridexport.h"

namespace pirumo {

namespace {

constexpr int kGap = 2;  // blanks between columns

using Spans = std::vector<ResultGrid::TextSpan>;

int SpanWidth(const std::vector<int>& widths, const ResultGrid::TextSpan& span) {
    int width = kGap * (span.last - span.first);
    for (int c = span.first; c <= span.last; ++c) {
        width += widths[static_cast<std::size_t>(c)];
    }
    return width;
}

// Width of a text without its trailing blanks, which pad a title in the window but need no room
// in a terminal.
int InkWidth(std::string_view text) {
    while (text.ends_with(' ') || text.ends_with("\u3000")) {
        text.remove_suffix(text.ends_with(' ') ? 1 : 3);
    }
    return DisplayWidth(text);
}

// Column widths fitting every text; a text that overflows in the grid spans the same columns
// here, and widens the last of them only when it does not fit the span.
std::vector<int> MeasureColumns(const ResultGrid& grid, const std::vector<Spans>& rows) {
    std::vector<int> widths(static_cast<std::size_t>(grid.ColumnCount() + 1), 0);
    for (int r = 1; r <= grid.RowCount(); ++r) {
        for (const auto& span : rows[static_cast<std::size_t>(r)]) {
            if (span.source >= 1 && span.first == span.last) {
                int& width = widths[static_cast<std::size_t>(span.source)];
                width = std::max(width, DisplayWidth(grid.CellText(span.source, r)));
            }
        }
    }
    for (int r = 1; r <= grid.RowCount(); ++r) {
        for (int c = 1; c <= grid.ColumnCount(); ++c) {
            const auto& span = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (span.source == c && span.first < span.last) {
                const int missing = InkWidth(grid.CellText(c, r)) - SpanWidth(widths, span);
                if (missing > 0) {
                    widths[static_cast<std::size_t>(span.last)] += missing;
                }
            }
        }
    }
    return widths;
}

void AppendAligned(std::string& out, std::string_view text, int width, HAlign align) {
    const int spare = std::max(width - DisplayWidth(text), 0);
    const int before = align == HAlign::Center ? spare / 2 : 0;
    out.append(static_cast<std::size_t>(before), ' ');
    out += text;
    out.append(static_cast<std::size_t>(spare - before), ' ');
}

}  // namespace

std::string GridToText(const ResultGrid& grid) {
    std::vector<Spans> rows(static_cast<std::size_t>(grid.RowCount() + 1));
    for (int r = 1; r <= grid.RowCount(); ++r) {
        rows[static_cast<std::size_t>(r)] = grid.RowTextSpans(r);
    }
    const std::vector<int> widths = MeasureColumns(grid, rows);
    std::string out;
    for (int r = 1; r <= grid.RowCount(); ++r) {
        std::string line;
        const Spans& spans = rows[static_cast<std::size_t>(r)];
        int c = 1;
        while (c <= grid.ColumnCount()) {
            if (c > 1) {
                line.append(kGap, ' ');
            }
            const auto& span = spans[static_cast<std::size_t>(c)];
            if (!span.HasText()) {
                line.append(static_cast<std::size_t>(widths[static_cast<std::size_t>(c)]), ' ');
                ++c;
                continue;
            }
            AppendAligned(line, grid.CellText(span.source, r), SpanWidth(widths, span),
                          grid.StyleAt(span.source, r).align);
            c = span.last + 1;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace pirumo
