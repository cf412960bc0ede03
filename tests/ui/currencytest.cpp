#include <QLabel>
#include <QPushButton>

#include "mainwindowfixture.h"
#include "prediction/ui/ippatsugaruponwindow.h"

namespace pirumo::test {
namespace {

// Twelve weekly draws, the newest on 2025/09/23.
std::vector<Draw> WeeklyDraws() {
    std::vector<Draw> draws = PatternDraws(12);
    const char* dates[] = {"2025/07/08", "2025/07/15", "2025/07/22", "2025/07/29",
                           "2025/08/05", "2025/08/12", "2025/08/19", "2025/08/26",
                           "2025/09/02", "2025/09/09", "2025/09/16", "2025/09/23"};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i].date = dates[i];
    }
    return draws;
}

class CurrencyTest : public MainWindowTest {
protected:
    void TearDown() override {
        qunsetenv("PIRUMO_TODAY");
        MainWindowTest::TearDown();
    }
};

// The status bar always names the newest draw; nine days after it, it says the history is out
// of date beside a button that refreshes, and the prediction names the draw it is for.
TEST_F(CurrencyTest, StatusBarNamesTheNewestDrawAndCallsAnOldHistoryOutOfDate) {
    for (const char* today : {"2025/10/01", "2025/10/02"}) {
        SCOPED_TRACE(today);
        const bool old = QByteArray(today) == "2025/10/02";
        qputenv("PIRUMO_TODAY", today);
        WriteHistory(WeeklyDraws());
        MainWindow& main = Start();
        EXPECT_EQ(main.findChild<QLabel*>(QStringLiteral("newestDrawLabel"))->text(),
                  QStringLiteral("最新 第12回（2025/09/23）"));
        EXPECT_EQ(main.findChild<QLabel*>(QStringLiteral("outOfDateLabel"))->isVisible(), old);
        EXPECT_EQ(main.findChild<QPushButton*>(QStringLiteral("refreshNowButton"))->isVisible(),
                  old);

        Choose("openPredictionAction");
        auto* prediction = main.findChild<IppatsuGaruponWindow*>(QStringLiteral("一発ガルポン"));
        ASSERT_NE(prediction, nullptr);
        EXPECT_TRUE(prediction->findChild<QLabel*>(QStringLiteral("targetDrawLabel"))
                        ->text()
                        .startsWith(QStringLiteral("第13回（2025年9月30日 抽せん予定）の予想")));
        mMain.reset();
    }
}

// A history too short to predict from shows no numbers and says why.
TEST_F(CurrencyTest, ShortHistoryPredictionSaysWhyItShowsNothing) {
    WriteHistory(PatternDraws(5));
    MainWindow& main = Start();
    Choose("openPredictionAction");
    auto* prediction = main.findChild<IppatsuGaruponWindow*>(QStringLiteral("一発ガルポン"));
    ASSERT_NE(prediction, nullptr);
    EXPECT_TRUE(prediction->findChild<QLabel*>(QStringLiteral("targetDrawLabel"))
                    ->text()
                    .contains(QStringLiteral("10 回分以上必要です（いまは 5 回分）")));
}

}  // namespace
}  // namespace pirumo::test
