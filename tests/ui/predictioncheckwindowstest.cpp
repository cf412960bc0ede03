#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "history/store/samplehistory.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "prediction/backtest/backtestchart.h"
#include "prediction/backtest/backtestgrids.h"
#include "prediction/backtest/backtestyenchart.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/ui/backtestjob.h"
#include "prediction/ui/backtestwindow.h"
#include "prediction/ui/ippatsugaruponwindow.h"
#include "prediction/ui/numbercheckwindow.h"
#include "testwindowhost.h"
#include "widgets/chartpane.h"
#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

class PredictionCheckWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        mDraws = MakeSampleHistory(120, 4);
        WriteHistory(mDraws);
    }
    std::vector<Draw> mDraws;
};

TEST_F(PredictionCheckWindowsTest, BacktestWindowShowsTheCheckAndTheLoggedPredictions) {
    Start();  // the first activation shows the prediction window, which records its numbers
    const std::vector<PredictionLogEntry> log = ReadPredictionLog(PredictionLogPath(HistoryPath()));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].targetDraw, 121);

    auto* window = qobject_cast<BacktestWindow*>(ChooseWindow("openBacktestAction"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("予想の検証"));
    ASSERT_TRUE(window->HasResult());  // a short history is done within a blink
    const BacktestResult expected = RunBacktest(DrawHistory(mDraws), {}, 51, 120);
    ASSERT_EQ(window->Result().draws.size(), expected.draws.size());
    EXPECT_EQ(window->Result().draws.back().Shown(), expected.draws.back().Shown());
    EXPECT_FALSE(window->findChild<QProgressBar*>()->isVisible());
    auto* charts = window->findChild<ChartPane*>();
    ASSERT_NE(charts, nullptr);
    EXPECT_EQ(charts->Charts(), (std::vector<Chart>{BacktestChart(expected, kOneShotGrid),
                                                    BacktestYenChart(expected, kOneShotGrid)}));
    EXPECT_EQ(charts->findChild<QLabel*>(QStringLiteral("chartFailureLabel")), nullptr);
    // Under the summary: what 70 draws can tell from chance, and the four methods at once.
    const QString power = window->findChild<QLabel*>(QStringLiteral("powerNote"))->text();
    EXPECT_TRUE(power.contains(QStringLiteral("この 70 回分で偶然と見分けられる最小の差")))
        << power.toStdString();
    EXPECT_TRUE(power.contains(QStringLiteral("4 つの方法を同時に判定"))) << power.toStdString();

    // The draws table's two colours, each explained under it in that colour.
    const ResultGrid& table =
        window->findChild<GridView*>(QStringLiteral("drawsGrid"))->GridModel()->Grid();
    for (const auto& [name, colour] :
         {std::pair{"matchSwatch", kMatchBack}, std::pair{"bonusSwatch", kBonusBack}}) {
        SCOPED_TRACE(name);
        const auto* swatch = window->findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(swatch, nullptr);
        EXPECT_TRUE(swatch->styleSheet().contains(
            QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)).name()));
        bool used = false;
        for (int r = 1; r <= table.RowCount(); ++r) {
            for (int c = 1; c <= table.ColumnCount(); ++c) {
                used = used || table.StyleAt(c, r).back == colour;
            }
        }
        EXPECT_TRUE(used);
    }

    // Choosing the item again brings the open window forward.
    EXPECT_EQ(ChooseWindow("openBacktestAction"), window);

    window->Run(60, 70);
    ASSERT_TRUE(window->HasResult());
    EXPECT_EQ(window->Result().draws.size(), 11u);
    ModalAnswerer answerer;
    window->Run(70, 60);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(window->Result().draws.size(), 11u);
}

TEST_F(PredictionCheckWindowsTest, ACancelledJobStopsEarlyAndKeepsWhatItChecked) {
    BacktestJob job(DrawHistory(MakeSampleHistory(5000, 2)), {}, 51, 5000);
    job.Start();
    job.Cancel();
    ASSERT_TRUE(job.Wait(10000));
    EXPECT_TRUE(job.Cancelled());
    EXPECT_LT(job.Result().draws.size(), 4950u);
    EXPECT_EQ(static_cast<int>(job.Result().draws.size()), job.Done());
}

// Both windows work on their host's history, report to its dialog parent, and leave manual
// entry open: they keep no history of their own while it could change.
class PredictionCheckOnAHostTest : public testing::Test {
protected:
    std::vector<Draw> mDraws = MakeSampleHistory(120, 4);
    TestWindowHost mHost{DrawHistory(mDraws)};
    TempFolder mFolder;
    const PredictionOptions mEveryOptionOff;
};

// Found by what the user sees, whatever the controls are named.
template <typename Button>
Button* ButtonWithText(const QWidget& parent, const QString& text) {
    for (Button* button : parent.findChildren<Button*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

QGroupBox* OptionFrame(const IppatsuGaruponWindow& window, int option) {
    const QString caption =
        QString::fromUtf8(kPredictionOptionInfo[static_cast<std::size_t>(option)].frameCaption);
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (frame->title() == caption) {
            return frame;
        }
    }
    return nullptr;
}

TEST_F(PredictionCheckOnAHostTest, BacktestChecksTheHostsHistory) {
    auto& window =
        mHost.Add(new BacktestWindow(mHost, mEveryOptionOff, mFolder.Path() / "log.txt"));
    window.Load();
    window.show();
    ASSERT_TRUE(window.HasResult());
    const BacktestResult expected = RunBacktest(DrawHistory(mDraws), {}, 51, 120);
    EXPECT_EQ(window.Result().draws.size(), expected.draws.size());
    EXPECT_TRUE(mHost.EntryAllowed());

    ModalAnswerer answerer;
    window.Run(70, 60);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].parent, &mHost.Window());
}

// The check window is opened on the prediction window's options as the main window does; an
// option changed afterwards counts in the next check.
TEST_F(PredictionCheckOnAHostTest, ACheckUsesTheOptionsAsTheyAreWhenItRuns) {
    auto& prediction = mHost.Add(new IppatsuGaruponWindow(mHost, mFolder.Path() / "none.ini"));
    prediction.Load();
    prediction.show();
    auto& check = mHost.Add(
        new BacktestWindow(mHost, prediction.Predictor().Options(), mFolder.Path() / "log.txt"));
    check.Load();
    check.show();
    ASSERT_TRUE(check.HasResult());
    EXPECT_EQ(check.Result().reflected, 0);
    const auto before = check.Result().draws.back().Shown();

    QGroupBox* frame = OptionFrame(prediction, 3);
    ASSERT_NE(frame, nullptr);
    ButtonWithText<QRadioButton>(*frame, QStringLiteral("反映する"))->click();
    ButtonWithText<QPushButton>(check, QStringLiteral("検証"))->click();
    ASSERT_TRUE(check.HasResult());
    EXPECT_EQ(check.Result().reflected, 1);
    PredictionOptions reflectThird;
    reflectThird.reflect[3] = true;
    const BacktestResult expected = RunBacktest(DrawHistory(mDraws), reflectThird, 51, 120);
    EXPECT_EQ(check.Result().draws.back().Shown(), expected.draws.back().Shown());
    EXPECT_NE(check.Result().draws.back().Shown(), before);
}

TEST_F(PredictionCheckOnAHostTest, NumberCheckListsTheWinsAndRefusesWrongNumbers) {
    auto* window = &mHost.Add(new NumberCheckWindow(mHost));
    window->show();
    const Draw& draw = mDraws[99];
    for (int i = 0; i < 5; ++i) {
        window->NumberField(i)->setText(QString::number(draw.Main(i)));
    }
    window->NumberField(2)->setText(QStringLiteral(" %1 ").arg(draw.Main(2)));
    window->Check();
    EXPECT_TRUE(window->ResultText().contains(QStringLiteral("第100回")))
        << window->ResultText().toStdString();
    EXPECT_TRUE(window->ResultText().startsWith(QStringLiteral("数字 ")));

    const QString before = window->ResultText();
    window->NumberField(4)->setText(window->NumberField(0)->text());
    ModalAnswerer answerer;
    window->Check();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("重複")));
    EXPECT_EQ(answerer.Seen()[0].parent, &mHost.Window());
    EXPECT_EQ(window->ResultText(), before);
    EXPECT_TRUE(mHost.EntryAllowed());
}

TEST_F(PredictionCheckWindowsTest, NumberCheckOpensFromTheMenu) {
    Start();
    auto* window = qobject_cast<NumberCheckWindow*>(ChooseWindow("openNumberCheckAction"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ChooseWindow("openNumberCheckAction"), window);
}

}  // namespace
}  // namespace pirumo::test
