#include "analyses/chance/chancejson.h"

#include "analyses/chance/chancewords.h"
#include "grid/gridexport.h"

namespace pirumo {

namespace {

std::string FigureToJson(const ChanceFigure& figure) {
    return "{\"label\": " + JsonQuote(figure.label) +
           ", \"observed\": " + JsonNumber(figure.observed) +
           ", \"expected\": " + JsonNumber(figure.expected) +
           ", \"low\": " + JsonNumber(figure.low) + ", \"high\": " + JsonNumber(figure.high) +
           ", \"outside\": " + (figure.Outside() ? "true" : "false") + "}";
}

std::string TableToJson(const ChanceTable& table) {
    std::string json =
        "    {\"title\": " + JsonQuote(table.title) + ", \"unit\": " + JsonQuote(table.unit) +
        ", \"distribution\": " + (table.distribution ? "true" : "false") + ",\n     \"figures\": [";
    for (std::size_t i = 0; i < table.figures.size(); ++i) {
        json += (i == 0 ? "\n      " : ",\n      ") + FigureToJson(table.figures[i]);
    }
    return json + "]}";
}

}  // namespace

std::string ChanceReportToJson(const ChanceReport& report) {
    std::string json = "{\n  \"draws\": " + std::to_string(report.draws) + ",\n  \"tables\": [";
    for (std::size_t i = 0; i < report.tables.size(); ++i) {
        json += (i == 0 ? "\n" : ",\n") + TableToJson(report.tables[i]);
    }
    const ChanceTest& test = report.test;
    json += "],\n  \"test\": {\"name\": " + JsonQuote(test.name) +
            ", \"statistic\": " + JsonNumber(test.statistic) +
            ", \"degreesOfFreedom\": " + std::to_string(test.degreesOfFreedom) +
            ", \"pValue\": " + JsonNumber(test.pValue) +
            ", \"performed\": " + (test.performed ? "true" : "false") +
            ", \"verdict\": " + JsonQuote(test.verdict) +
            "},\n  \"outside\": " + std::to_string(report.OutsideCount()) +
            ",\n  \"expectedOutside\": " + JsonNumber(report.expectedOutside) +
            ",\n  \"reminder\": " + JsonQuote(ChanceReminder()) + "\n}";
    return json;
}

}  // namespace pirumo
