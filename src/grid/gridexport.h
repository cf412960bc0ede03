#pragma once

#include <string>
#include <string_view>

#include "grid/resultgrid.h"

namespace pirumo {

// Text forms of a grid for `pirumo-cli show` and the program's export. All UTF-8.

// One grid as the JSON object other tools read:
// {"name","caption","columns","rows","columnWidths","rowHeights","text","fore","back","align",
//  "borders"}; arrays of rows (row 1 first), each an array of columns (column 1 first).
std::string GridToJson(const ResultGrid& grid, std::string_view name, std::string_view caption);

// A JSON string literal (quoted, escaped) of text, for callers that compose larger documents.
// Bytes that are not valid UTF-8 become U+FFFD so that the document stays valid.
std::string JsonQuote(std::string_view text);

// A JSON number: whole values without a fraction (5), others in shortest form (7.5).
std::string JsonNumber(double value);

// The cell texts, one line per row, comma separated, quoted where needed, CR LF line ends.
std::string GridToCsv(const ResultGrid& grid);

// The cell texts aligned in columns for a terminal (East Asian wide characters count double).
std::string GridToText(const ResultGrid& grid);

// A <table> element that shows the grid with its colours, borders, alignment, overflow, column
// widths and row heights.
std::string GridToHtmlTable(const ResultGrid& grid);

// text with &, <, > and " written as HTML entities.
std::string HtmlEscape(std::string_view text);

// A complete HTML page titled `title` whose body is `body`.
std::string HtmlPage(std::string_view title, std::string_view body);

// The page of one grid: HtmlPage(caption, caption heading + GridToHtmlTable).
std::string GridToHtml(const ResultGrid& grid, std::string_view caption);

}  // namespace pirumo
