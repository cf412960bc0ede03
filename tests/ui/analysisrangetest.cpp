#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSpinBox>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "grid/gridexport.h"
#include "history/drawrange.h"
#include "history/drawrangesetting.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

class AnalysisRangeTest : public MainWindowTest {
protected:
    std::filesystem::path Settings() const { return mFolder.Path() / "ピルモ.ini"; }

    // The grid the named analysis gives over the draws of the range, made without any window.
    static std::string ExpectedGrid(const char* name, const DrawHistory& whole,
                                    const DrawRange& range) {
        ResultGrid grid;
        FindAnalysis(name)->fillGrid(RestrictHistory(whole, range), grid);
        return GridToJson(grid, "", "");
    }
};

TEST_F(AnalysisRangeTest, OpenWindowsFollowTheChosenRangeAcrossARestart) {
    const std::vector<Draw> draws = PatternDraws(120);
    WriteHistory(draws);
    Start();
    auto* window = qobject_cast<AnalysisWindow*>(ChooseWindow("openAppearanceFrequencyAction"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("出現頻度分析"));

    Choose("last100RangeAction");
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("出現頻度分析　直近100回（第21回〜第120回、有効な当選データ100回）"));
    EXPECT_EQ(GridToJson(window->Grid(), "", ""),
              ExpectedGrid("出現頻度分析", DrawHistory(draws), DrawRange::Last(100)));
    EXPECT_TRUE(
        window->PrintDocumentOf(QDate(2025, 1, 1)).caption.contains(QStringLiteral("直近100回")));
    EXPECT_EQ(window->PrintDocumentOf(QDate(2025, 1, 1)).coverage,
              QStringLiteral("第21回〜第120回"));
    EXPECT_EQ(ReadDrawRangeSetting(Settings()), DrawRange::Last(100));

    mMain->close();
    mMain.reset();
    FlushDeletes();
    Start();
    auto* again = qobject_cast<AnalysisWindow*>(ChooseWindow("openPairAction"));
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->windowTitle().contains(QStringLiteral("直近100回")));
    EXPECT_EQ(GridToJson(again->Grid(), "", ""),
              ExpectedGrid("ペア分析", DrawHistory(draws), DrawRange::Last(100)));
    EXPECT_TRUE(mMain->findChild<QLabel*>(QStringLiteral("analysisRangeNote"))->isVisible());

    Choose("everythingRangeAction");
    EXPECT_EQ(again->windowTitle(), QStringLiteral("ペア分析"));
    EXPECT_EQ(ReadDrawRangeSetting(Settings()), DrawRange::Everything());
}

// A list over the newest draws opens at the newest draw, not at the empty rows its grid keeps
// below it for the draw numbers before the range.
TEST_F(AnalysisRangeTest, AListOverARangeShowsItsNewestDraw) {
    WriteHistory(PatternDraws(400));
    Start();
    Choose("last50RangeAction");
    auto* window = qobject_cast<AnalysisWindow*>(ChooseWindow("openAppearanceCountAction"));
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();
    auto* view = window->findChild<GridView*>(QStringLiteral("gridView"));
    int newest = 0;
    for (int row = 1; row <= window->Grid().RowCount(); ++row) {
        newest = window->Grid().CellText(1, row) == "400" ? row : newest;
    }
    ASSERT_GT(newest, 0);
    ASSERT_LT(newest, window->Grid().RowCount());
    const QRect shown = view->visualRect(view->model()->index(newest - 1, 0));
    EXPECT_TRUE(view->viewport()->rect().contains(shown.bottomLeft()));
}

// A range past the newest draw is refused, and the windows keep the range they had.
TEST_F(AnalysisRangeTest, ARangeWithoutDrawsIsRefused) {
    WriteHistory(PatternDraws(60));
    Start();
    auto* window = qobject_cast<AnalysisWindow*>(ChooseWindow("openNumberSumAction"));
    ASSERT_NE(window, nullptr);
    Choose("last50RangeAction");
    const QString title = window->windowTitle();
    ModalAnswerer answerer({[](QWidget& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("toBox"))->setValue(90);
        dialog.findChild<QSpinBox*>(QStringLiteral("fromBox"))->setValue(70);
        QMetaObject::invokeMethod(&dialog, "accept");
    }});
    Choose("betweenRangeAction");
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(answerer.Seen()[1].text,
              QStringLiteral(
                  "第70回〜第90回には有効な当選データがありません（当選データは第60回まで）。"));
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(ReadDrawRangeSetting(Settings()), DrawRange::Last(50));
    EXPECT_TRUE(mMain->findChild<QAction*>(QStringLiteral("last50RangeAction"))->isChecked());
}

TEST_F(AnalysisRangeTest, PairWindowListsThePairsInTheChosenOrder) {
    const std::vector<Draw> draws = PatternDraws(80);
    WriteHistory(draws);
    Start();
    auto* window = qobject_cast<AnalysisWindow*>(ChooseWindow("openPairAction"));
    ASSERT_NE(window, nullptr);
    auto* order = window->findChild<QComboBox*>(QStringLiteral("orderChoice"));
    ASSERT_NE(order, nullptr);
    ASSERT_EQ(order->count(), 3);
    EXPECT_EQ(window->Grid().CellText(1, 2), "1-2");
    const Analysis& pairs = *FindAnalysis("ペア分析");
    for (int i = 0; i < order->count(); ++i) {
        order->setCurrentIndex(i);
        ResultGrid expected;
        pairs.orders[static_cast<std::size_t>(i)].fillGrid(DrawHistory(draws), expected);
        EXPECT_EQ(GridToJson(window->Grid(), "", ""), GridToJson(expected, "", "")) << i;
    }
}

}  // namespace
}  // namespace pirumo::test
