#include "prediction/predictionexport.h"

#include "grid/gridexport.h"
#include "prediction/money/moneytext.h"
#include "prediction/predictiontexts.h"

namespace pirumo {

std::string PredictionToJson(const GaruponPredictor& predictor, const NextDraw& next) {
    std::string json =
        "{\n  \"name\": " + JsonQuote(prediction_text::kWindowName) +
        ",\n  \"caption\": " + JsonQuote(prediction_text::kCaption) +
        ",\n  \"draw\": " + std::to_string(next.drawNumber) +
        ",\n  \"date\": " + (next.date.empty() ? std::string("null") : JsonQuote(next.date)) +
        ",\n  \"reflected\": " + std::to_string(predictor.Options().CountReflected());
    if (const std::string shortage = predictor.Shortage(); !shortage.empty()) {
        json += ",\n  \"shortage\": " + JsonQuote(shortage);
    }
    json += ",\n  \"grids\": [\n";
    for (int index = 0; index < kPredictionGridCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        std::string grid = GridToJson(predictor.Grid(index), kPredictionGridNames[i],
                                      prediction_text::kGridLabels[i]);
        while (!grid.empty() && grid.back() == '\n') {
            grid.pop_back();
        }
        json += grid;
        json += index + 1 < kPredictionGridCount ? ",\n" : "\n";
    }
    json += "  ],\n  \"ticketWorth\": " +
            (predictor.TicketWorth() ? std::to_string(RoundedYen(*predictor.TicketWorth()))
                                     : std::string("null")) +
            ",\n  \"buying\": " + BuyingCostJson(predictor.BuyingCosts()) + "\n}\n";
    return json;
}

std::string PredictionToText(const GaruponPredictor& predictor, const NextDraw& next) {
    std::string text = std::string(prediction_text::kCaption) + "　" + NextDrawText(next) +
                       "の予想（反映するオプション " +
                       std::to_string(predictor.Options().CountReflected()) + " 件）\n";
    if (const std::string shortage = predictor.Shortage(); !shortage.empty()) {
        text += shortage + "\n";
    }
    for (int index = 0; index < kPredictionGridCount; ++index) {
        text += '\n';
        text += prediction_text::kGridLabels[static_cast<std::size_t>(index)];
        text += '\n';
        text += GridToText(predictor.Grid(index));
    }
    text += '\n';
    for (const std::string& line :
         BuyingCostLines(predictor.BuyingCosts(), predictor.TicketWorth())) {
        text += line + "\n";
    }
    return text;
}

std::string PredictionToHtml(const GaruponPredictor& predictor, const NextDraw& next) {
    std::string body =
        "<h1>" + HtmlEscape(prediction_text::kCaption) + "</h1>\n<p>" +
        HtmlEscape(NextDrawText(next)) + "の予想</p>\n<p>" +
        HtmlEscape(prediction_text::kPredictionsIntro) +
        "</p>\n<p>反映するオプション: " + std::to_string(predictor.Options().CountReflected()) +
        " 件</p>\n";
    if (const std::string shortage = predictor.Shortage(); !shortage.empty()) {
        body += "<p>" + HtmlEscape(shortage) + "</p>\n";
    }
    for (int index = 0; index < kPredictionGridCount; ++index) {
        body += "<h2>" + HtmlEscape(prediction_text::kGridLabels[static_cast<std::size_t>(index)]) +
                "</h2>\n";
        body += GridToHtmlTable(predictor.Grid(index));
        body += '\n';
    }
    const std::vector<std::string> buying =
        BuyingCostLines(predictor.BuyingCosts(), predictor.TicketWorth());
    body += "<h2>" + HtmlEscape(buying.front()) + "</h2>\n<ul>\n";
    for (std::size_t i = 1; i + 1 < buying.size(); ++i) {
        body += "<li>" + HtmlEscape(buying[i]) + "</li>\n";
    }
    body += "</ul>\n<p>" + HtmlEscape(buying.back()) + "</p>\n";
    return HtmlPage(prediction_text::kCaption, body);
}

}  // namespace pirumo
