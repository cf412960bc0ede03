#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include "../core/testhistory.h"
#include "analyses/analysiscatalog.h"
#include "analyses/analysischarts.h"
#include "analyses/ui/analysistabs.h"
#include "analyses/ui/analysiswindow.h"
#include "history/store/samplehistory.h"
#include "print/pdfdocument.h"
#include "testwindowhost.h"
#include "widgets/chartpane.h"

namespace pirumo::test {
namespace {

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// Every window with a comparison with chance keeps its grid as the first page and draws one
// chart per table on the グラフ page; the charts follow the history the window is given (a range
// arrives as a restricted history), and print after it. PIRUMO_CHART_SHOTS names a folder for a
// picture and a PDF of each.
TEST(AnalysisChartsWindowTest, EveryWindowDrawsItsChartsAndFollowsTheHistory) {
    const std::vector<Draw> draws = MakeSampleHistory(240, 11);
    TestWindowHost host{DrawHistory(draws)};
    const QString shots = qEnvironmentVariable("PIRUMO_CHART_SHOTS");
    int charted = 0;
    for (const Analysis& analysis : Analyses()) {
        SCOPED_TRACE(analysis.name);
        host.SetHistory(DrawHistory(draws));
        auto& window = host.Add(new AnalysisWindow(analysis, host));
        window.Load();
        window.show();
        auto* tabs = window.findChild<AnalysisTabs*>();
        if (!analysis.chance) {
            EXPECT_EQ(tabs, nullptr);
            window.close();
            continue;
        }
        ++charted;
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->widget(0)->objectName(), QStringLiteral("client"));
        tabs->setCurrentIndex(1);
        window.resize(900, 1000);
        ChartPane& pane = tabs->Charts();
        const std::vector<Chart> expected = ChanceCharts(analysis.chance(host.History()));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(pane.Charts(), expected);
        EXPECT_EQ(pane.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^chartView\\d+$")))
                      .size(),
                  static_cast<qsizetype>(expected.size()));
        QCoreApplication::processEvents();  // the charts lay themselves out when events run
        const QImage picture = window.grab().toImage();
        EXPECT_GT(ColourCount(pane.grab().toImage()), 30);  // drawn, not a blank page
        // On paper the charts follow the grid, each drawn across the page.
        const PrintDocument printout = window.PrintDocumentOf(QDate(2026, 1, 1));
        EXPECT_EQ(printout.blocks.back().pictures.size(), expected.size());
        if (!shots.isEmpty()) {
            const QString name = shots + QLatin1Char('/') + QString::fromStdString(analysis.name);
            picture.save(name + QStringLiteral(".png"));
            QFile pdf(name + QStringLiteral(".pdf"));
            ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
            pdf.write(DocumentToPdf(printout));
        }

        const std::vector<Draw> lastFifty(draws.end() - 50, draws.end());
        host.SetHistory(DrawHistory(lastFifty));
        window.Recompute();
        EXPECT_EQ(pane.Charts(), ChanceCharts(analysis.chance(DrawHistory(lastFifty))));
        window.close();
    }
    EXPECT_GT(charted, 0);
}

}  // namespace
}  // namespace pirumo::test
