#include "print/predictionprint.h"

#include <QLocale>

#include "prediction/backtest/prizeclass.h"
#include "prediction/predictiontexts.h"
#include "print/analysisprint.h"

namespace pirumo {

namespace {

constexpr int kDaysBetweenDraws = 7;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString PredictedDrawText(const DrawHistory& history) {
    const Draw* last = nullptr;
    history.ForEachValidDraw([&last](const Draw& draw) { last = &draw; });
    const int next = last == nullptr ? 1 : last->drawNumber + 1;
    QString text = QStringLiteral("第%1回").arg(next);
    if (last != nullptr) {
        const QDate date =
            QDate::fromString(QString::fromStdString(last->date), QStringLiteral("yyyy/MM/dd"));
        if (date.isValid()) {
            const QDate expected = date.addDays(kDaysBetweenDraws);
            text += QStringLiteral("（%1年%2月%3日 抽せん予定）")
                        .arg(expected.year())
                        .arg(expected.month())
                        .arg(expected.day());
        }
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
    for (int index = 0; index < kPredictionGridCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        // Row 1 is the 本 数 字 band.
        document.blocks.push_back(
            {{{FromUtf8(prediction_text::kGridLabels[i]), false}}, &predictor.Grid(index), 1});
    }
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
