#include "print/predictionprint.h"

#include <QLocale>

#include "history/drawcalendar.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/money/buyingcost.h"
#include "prediction/predictiontexts.h"
#include "print/analysisprint.h"

namespace pirumo {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString PredictedDrawText(const DrawHistory& history) {
    const NextDraw next = NextDrawOf(history);
    QString text = QStringLiteral("第%1回").arg(next.drawNumber);
    if (const auto date = ParseDrawDate(next.date)) {
        const std::chrono::year_month_day day(*date);
        text += QStringLiteral("（%1年%2月%3日 抽せん予定）")
                    .arg(static_cast<int>(day.year()))
                    .arg(static_cast<unsigned>(day.month()))
                    .arg(static_cast<unsigned>(day.day()));
    }
    return text;
}

PrintDocument PredictionPrintDocument(const GaruponPredictor& predictor, const DrawHistory& history,
                                      QDate printed) {
    PrintDocument document;
    document.caption = FromUtf8(prediction_text::kCaption);
    document.coverage = CoverageText(history);
    document.printed = printed;
    document.blocks.push_back({{{PredictedDrawText(history) + QStringLiteral("の予想"), true},
                                {FromUtf8(prediction_text::kPredictionsIntro), false}},
                               nullptr,
                               0});
    if (const std::string shortage = predictor.Shortage(); !shortage.empty()) {
        document.blocks.push_back({{{FromUtf8(shortage), true}}, nullptr, 0});
    }
    for (int index = 0; index < kPredictionGridCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        // Row 1 is the 本 数 字 band.
        document.blocks.push_back(
            {{{FromUtf8(prediction_text::kGridLabels[i]), false}}, &predictor.Grid(index), 1});
    }
    std::vector<PrintLine> buying;
    for (const std::string& line :
         BuyingCostLines(predictor.BuyingCosts(), predictor.TicketWorth())) {
        buying.push_back({FromUtf8(line)});
    }
    document.blocks.push_back({std::move(buying), nullptr, 0});
    const QString odds = QLocale(QLocale::English).toString(kCombinations);
    document.blocks.push_back(
        {{{QStringLiteral(
               "予想は当せんを約束するものではありません。どの数字の組合せも当せんの確率は"
               "同じで、1等は %1 分の 1 です。")
               .arg(odds),
           false}},
         nullptr,
         0});
    return document;
}

}  // namespace pirumo
