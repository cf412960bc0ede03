#include <cmath>
#include <cstdio>
#include <set>
#include <unordered_map>
#include <vector>

#include "grid/gridexport.h"

namespace pirumo {

namespace {

// One grid character is 0.75 of the 9pt grid font (the 出現回数分析 window fits 65 characters in
// about 550 pixels), so that "第1数字" fits a five-character column as it does there.
constexpr double kHundredthsOfEmPerCharacter = 75;

constexpr const char* kTableCss =
    "table.pirumo-grid{border-collapse:collapse;table-layout:fixed;font-size:9pt;"
    "line-height:1.15;font-family:\"Noto Sans CJK JP\",\"Noto Sans JP\",\"Yu Gothic\",Meiryo,"
    "\"MS PGothic\",\"Hiragino Kaku Gothic ProN\",sans-serif}\n"
    "table.pirumo-grid td,table.pirumo-grid th{padding:0 1px;white-space:pre;overflow:hidden;"
    "vertical-align:middle;text-align:center;font-weight:normal;color:#000000;"
    "background:#ffffff}\n"
    "table.pirumo-grid th{background:#e0e0e0;border:1px solid #a0a0a0}\n"
    "table.pirumo-grid td.v{overflow:visible}\n"
    "table.pirumo-grid div.o{position:relative;overflow:hidden}\n";

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

// Whole hundredths first, so 5 characters print as 3.75em rather than a long binary fraction.
std::string Em(double characters) {
    return JsonNumber(std::round(characters * kHundredthsOfEmPerCharacter) / 100) + "em";
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

std::string Escaped(std::string_view text) {
    std::string out;
    AppendEscaped(out, text);
    return out;
}

// Class name derived from what the style shows, so that tables on one page never disagree.
std::string ClassOf(const CellStyle& style) {
    std::uint64_t hash = 1469598103934665603ULL;
    auto mix = [&hash](std::uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            hash = (hash ^ ((value >> (8 * i)) & 0xff)) * 1099511628211ULL;
        }
    };
    mix(style.fore);
    mix(style.back);
    mix(static_cast<std::uint64_t>(style.align));
    mix(style.borders);
    for (Rgb colour : style.borderColours) {
        mix(colour);
    }
    char text[16];
    std::snprintf(text, sizeof text, "s%012llx",
                  static_cast<unsigned long long>(hash & 0xffffffffffffULL));
    return text;
}

std::string RuleOf(const CellStyle& style) {
    static constexpr const char* kSides[4] = {"left", "right", "top", "bottom"};
    std::string rule = "table.pirumo-grid ." + ClassOf(style) + "{color:" + Hex(style.fore) +
                       ";background:" + Hex(style.back) +
                       ";text-align:" + (style.align == HAlign::Left ? "left" : "center");
    for (std::size_t side = 0; side < 4; ++side) {
        if (style.borders & (1 << side)) {
            rule += ";border-" + std::string(kSides[side]) + ":1px solid " +
                    Hex(style.borderColours[side]);
        }
    }
    return rule + "}\n";
}

// Spreadsheet column letters: A..Z, AA..
std::string ColumnLetters(int column) {
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters;
}

class HtmlTableWriter {
public:
    explicit HtmlTableWriter(const ResultGrid& grid)
        : mGrid(grid),
          mFirstColumn(grid.RowHeadersVisible() ? 0 : 1),
          mFirstRow(grid.ColumnHeadersVisible() ? 0 : 1) {}

    std::string Write() {
        std::string rows;
        for (int r = mFirstRow; r <= mGrid.RowCount(); ++r) {
            AppendRow(rows, r);
        }
        std::string out = "<style>\n";
        out += kTableCss;
        for (const std::string& rule : mRules) {
            out += rule;
        }
        out += "</style>\n";
        AppendTableStart(out);
        out += rows;
        out += "</table>\n";
        return out;
    }

private:
    void AppendTableStart(std::string& out) const {
        double total = 0;
        std::string columns;
        for (int c = mFirstColumn; c <= mGrid.ColumnCount(); ++c) {
            total += mGrid.ColumnWidth(c);
            columns += "<col style=\"width:" + Em(mGrid.ColumnWidth(c)) + "\">";
        }
        out += "<table class=\"pirumo-grid\" style=\"width:" + Em(total) + "\">\n<colgroup>" +
               columns + "</colgroup>\n";
    }

    void AppendRow(std::string& out, int row) {
        out += "<tr style=\"height:" + JsonNumber(mGrid.RowHeight(row)) + "pt\">";
        const std::vector<ResultGrid::TextSpan> spans = mGrid.RowTextSpans(row);
        for (int c = mFirstColumn; c <= mGrid.ColumnCount(); ++c) {
            const bool header = row == 0 || c == 0;
            const CellStyle& style = mGrid.StyleAt(c, row);
            std::string classes;
            if (!header || style != CellStyle{}) {
                classes = ClassName(style);
            }
            const auto& span = spans[static_cast<std::size_t>(c)];
            const bool overflows = span.source == c && span.first < span.last;
            if (overflows) {
                classes += " v";
            }
            out += header ? "<th" : "<td";
            if (!classes.empty()) {
                out += " class=\"" + classes + "\"";
            }
            out += '>';
            if (overflows) {
                AppendOverflowingText(out, span, row);
            } else if (span.source == c) {
                AppendEscaped(out, mGrid.CellText(c, row));
            } else if (!span.HasText() && header) {
                out += row == 0 ? ColumnLetters(c) : std::to_string(row);
            }
            out += header ? "</th>" : "</td>";
        }
        out += "</tr>\n";
    }

    // The text runs over its empty neighbours: a box as wide as the span, shifted left over the
    // columns it takes on that side, painted above the neighbours' backgrounds.
    void AppendOverflowingText(std::string& out, const ResultGrid::TextSpan& span, int row) const {
        double before = 0;
        double width = 0;
        for (int c = span.first; c <= span.last; ++c) {
            width += mGrid.ColumnWidth(c);
            if (c < span.source) {
                before += mGrid.ColumnWidth(c);
            }
        }
        out += "<div class=\"o\" style=\"left:-" + Em(before) + ";width:calc(" + Em(width) +
               " - 2px)\">";
        AppendEscaped(out, mGrid.CellText(span.source, row));
        out += "</div>";
    }

    // Styles are shared by reference, so each is named and described once.
    const std::string& ClassName(const CellStyle& style) {
        auto [found, added] = mClassNames.try_emplace(&style);
        if (added) {
            found->second = ClassOf(style);
            mRules.insert(RuleOf(style));
        }
        return found->second;
    }

    const ResultGrid& mGrid;
    const int mFirstColumn;
    const int mFirstRow;
    std::unordered_map<const CellStyle*, std::string> mClassNames;
    std::set<std::string> mRules;
};

}  // namespace

std::string GridToHtmlTable(const ResultGrid& grid) {
    return HtmlTableWriter(grid).Write();
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    AppendEscaped(out, text);
    return out;
}

std::string HtmlPage(std::string_view title, std::string_view body) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    AppendEscaped(out, title);
    out += "</title>\n</head>\n<body>\n";
    out += body;
    out += "</body>\n</html>\n";
    return out;
}

std::string GridToHtml(const ResultGrid& grid, std::string_view caption) {
    return HtmlPage(caption, "<h1>" + Escaped(caption) + "</h1>\n" + GridToHtmlTable(grid));
}

}  // namespace pirumo
