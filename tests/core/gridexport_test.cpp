#include "grid/gridexport.h"

#include <gtest/gtest.h>

namespace pirumo {
namespace {

// Two columns, two rows: a header cell in colour and a number.
ResultGrid TinyGrid() {
    ResultGrid grid;
    grid.SetColumnCount(2);
    grid.SetRowCount(2);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetColumnWidth(2, 7.5);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 20);
    grid.Cell(1, 1).SetText("回数");
    grid.SetForeColor(MakeRgb(255, 0, 0));
    grid.SetBackColor(MakeRgb(255, 255, 200));
    grid.SetAlignment(HAlign::Left);
    grid.Block(1, 1, 2, 1).SetCellBorder(border::kOutline);
    grid.SetCellText(2, 2, 1353LL);
    return grid;
}

TEST(GridToJson, WritesTheFieldsInOrderWithEffectiveValues) {
    const std::string json = GridToJson(TinyGrid(), "出現回数分析", "出現回数分析");
    const char* const fields[] = {
        "\"name\": \"出現回数分析\"",
        "\"caption\": \"出現回数分析\"",
        "\"columns\": 2",
        "\"rows\": 2",
        "\"columnWidths\": [5, 7.5]",
        "\"rowHeights\": [20, 10]",
        "\"text\": [\n    [\"回数\", \"\"],\n    [\"\", \"1353\"]\n  ]",
        "\"fore\": [\n    [255, 0],\n    [0, 0]\n  ]",
        "\"back\": [\n    [13172735, 16777215],\n    [16777215, 16777215]",
        "\"align\": [\n    [\"left\", \"center\"],",
        "\"borders\": [\n    [13, 14],\n    [0, 0]\n  ]\n}"};
    std::size_t at = 0;
    for (const char* field : fields) {
        const std::size_t found = json.find(field, at);
        ASSERT_NE(found, std::string::npos) << field << "\n" << json;
        at = found;
    }
    EXPECT_EQ(json.front(), '{');
}

TEST(GridToJson, EmptyGridHasEmptyArrays) {
    const std::string json = GridToJson(ResultGrid{}, "a", "b");
    EXPECT_NE(json.find("\"columnWidths\": [],"), std::string::npos) << json;
    EXPECT_NE(json.find("\"text\": [],"), std::string::npos) << json;
}

TEST(JsonQuote, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonQuote("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(JsonQuote(std::string_view("\x01\x1f\x00", 3)), "\"\\u0001\\u001f\\u0000\"");
    EXPECT_EQ(JsonQuote("前回　(回)/"), "\"前回　(回)/\"");  // UTF-8 kept as it is
}

TEST(JsonQuote, ReplacesBrokenUtf8SoTheDocumentStaysValid) {
    EXPECT_EQ(JsonQuote("a\xff"
                        "b"),
              "\"a\xEF\xBF\xBD"
              "b\"");
    EXPECT_EQ(JsonQuote("\xe5\x89"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");      // cut short
    EXPECT_EQ(JsonQuote("\xc0\xaf"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");      // overlong slash
    EXPECT_EQ(JsonQuote("\xed\xa0\x80").find("\xed"), std::string::npos);  // surrogate
    EXPECT_EQ(JsonQuote("\xf0\x9f\x98\x80"), "\"\xf0\x9f\x98\x80\"");
}

TEST(JsonNumber, WholeNumbersHaveNoFraction) {
    EXPECT_EQ(JsonNumber(5), "5");
    EXPECT_EQ(JsonNumber(7.5), "7.5");
    EXPECT_EQ(JsonNumber(-12), "-12");
    EXPECT_EQ(JsonNumber(0.1), "0.1");
}

TEST(GridToCsv, QuotesOnlyWhereNeededWithCrLfLines) {
    ResultGrid grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(2);
    grid.SetCellText(1, 1, "a,b");
    grid.SetCellText(2, 1, "say \"hi\"");
    grid.SetCellText(3, 1, "two\nlines");
    grid.SetCellText(1, 2, "  当 選");
    grid.SetCellText(3, 2, 7LL);
    EXPECT_EQ(GridToCsv(grid),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n"
              "  当 選,,7\r\n");
}

TEST(GridToText, AlignsColumnsCountingWideCharactersDouble) {
    ResultGrid grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(2);
    grid.Block(1, 1, 3, 2).SetAlignment(HAlign::Left);
    grid.SetCellText(1, 1, "回数");
    grid.SetCellText(2, 1, "x");
    grid.SetCellText(3, 1, "y");
    grid.SetCellText(1, 2, "1353");
    grid.SetCellText(2, 2, "12");
    EXPECT_EQ(GridToText(grid),
              "回数  x   y\n"
              "1353  12\n");
}

TEST(GridToText, OverflowingTextsSpanTheirColumns) {
    ResultGrid grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(2);
    grid.SetColumnWidth(ResultGrid::kAll, 2);
    grid.SetAllowOverflow(true);
    grid.SetCellText(2, 1, "abcdef");  // centred over all three columns
    grid.SetCellText(1, 2, "1");
    grid.SetCellText(2, 2, "2");
    grid.SetCellText(3, 2, "3");
    // Three one-wide columns with gaps of two make seven; the text fits without widening.
    EXPECT_EQ(GridToText(grid),
              "abcdef\n"
              "1  2  3\n");
}

TEST(GridToHtml, ShowsColoursBordersWidthsHeightsAndEscapedText) {
    ResultGrid grid = TinyGrid();
    grid.SetHeadersVisible(false, false);
    grid.SetCellText(1, 2, "<a&b>");
    const std::string html = GridToHtml(grid, "出現回数分析");
    for (const char* part :
         {"<!DOCTYPE html>", "<meta charset=\"utf-8\">", "<title>出現回数分析</title>",
          "table-layout:fixed", "<col style=\"width:3.75em\"><col style=\"width:5.63em\">",
          "<tr style=\"height:20pt\">",
          "color:#ff0000;background:#ffffc8;text-align:left;"
          "border-left:1px solid #000000;border-top:1px solid #000000;border-bottom:1px solid",
          "&lt;a&amp;b&gt;", ">回数</td>", "Noto Sans CJK JP"}) {
        EXPECT_NE(html.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(html.find("<th"), std::string::npos);
}

TEST(GridToHtml, OverflowingTextRunsOverItsEmptyNeighbours) {
    ResultGrid grid;
    grid.SetColumnCount(4);
    grid.SetRowCount(1);
    grid.SetHeadersVisible(false, false);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetAllowOverflow(true);
    grid.SetCellText(3, 1, "前回までの出現");  // centred: columns 2..4
    const std::string html = GridToHtmlTable(grid);
    EXPECT_NE(
        html.find("v\"><div class=\"o\" style=\"left:-3.75em;width:calc(11.25em - 2px)\">前回"),
        std::string::npos)
        << html;
}

TEST(GridToHtml, VisibleHeadersGetLettersAndNumbers) {
    ResultGrid grid;
    grid.SetColumnCount(28);
    grid.SetRowCount(2);
    grid.SetCellText(1, 0, "回数");
    const std::string html = GridToHtmlTable(grid);
    EXPECT_NE(html.find("<th>回数</th><th>B</th>"), std::string::npos);
    EXPECT_NE(html.find("<th>AB</th>"), std::string::npos);
    EXPECT_NE(html.find("<th>2</th>"), std::string::npos);
}

}  // namespace
}  // namespace pirumo
