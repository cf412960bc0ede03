#include "cli/chanceoutput.h"

#include "analyses/chance/chancegrid.h"
#include "analyses/chance/chancejson.h"
#include "grid/gridexport.h"
#include "print/chanceprint.h"

namespace pirumo::cli {

namespace {

// The window's JSON object with a "chance" member added last.
std::string AddChanceMember(const std::string& json, const std::string& chance) {
    const auto lastMember = json.find_last_not_of(" \n", json.rfind('}') - 1);
    std::string indented;
    for (char c : chance) {
        indented += c;
        if (c == '\n') {
            indented += "  ";
        }
    }
    return json.substr(0, lastMember + 1) + ",\n  \"chance\": " + indented + "\n}\n";
}

}  // namespace

std::string AppendChance(const std::string& format, const std::string& output,
                         const Analysis& window, const DrawHistory& history) {
    const ChanceReport report = window.chance(history);
    if (format == "json") {
        return AddChanceMember(output, ChanceReportToJson(report));
    }
    ResultGrid grid;
    FillChanceGrid(report, grid);
    if (format == "csv") {
        return output + "\r\n偶然との比較\r\n" + GridToCsv(grid);
    }
    if (format == "html") {
        const auto end = output.rfind("</body>");
        return output.substr(0, end) + "<h2>偶然との比較</h2>\n" + GridToHtmlTable(grid) +
               output.substr(end);
    }
    return output + "\n偶然との比較\n" + GridToText(grid);
}

void AppendChance(PrintDocument& document, ResultGrid& chanceGrid, const Analysis& window,
                  const DrawHistory& history) {
    FillChanceGrid(window.chance(history), chanceGrid);
    document.blocks.push_back(ChancePrintBlock(chanceGrid));
}

}  // namespace pirumo::cli
