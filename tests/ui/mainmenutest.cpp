#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "analyses/analysiscatalog.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

struct ExpectedItem {
    int level;
    const char* name;
    const char* caption;
};

// The menu tree as the program's users know it: names, captions with access keys, nesting.
const ExpectedItem kMenuTree[] = {
    {0, "exitAction", "終了(&X)"},
    {0, "predictionMenu", "予想(&Y)"},
    {1, "openPredictionAction", "一発ガルポン予想(&D)"},
    {1, "openBacktestAction", "予想の検証(&V)"},
    {1, "openNumberCheckAction", "数字チェック(&C)"},
    {1, "openTicketsAction", "購入した数字(&T)"},
    {0, "analysisMenu", "データ分析(&S)"},
    {1, "analysisRangeMenu", "分析範囲(&R)"},
    {2, "everythingRangeAction", "全期間"},
    {2, "last50RangeAction", "直近50回"},
    {2, "last100RangeAction", "直近100回"},
    {2, "last300RangeAction", "直近300回"},
    {2, "lastDrawsRangeAction", "直近の回数を指定..."},
    {2, "betweenRangeAction", "回の範囲を指定..."},
    {1, "frequencyMenu", "頻度分析"},
    {2, "openAppearanceFrequencyAction", "出現頻度分析"},
    {2, "openAppearanceByCountAction", "回数別出現分析"},
    {1, "intervalMenu", "間隔分析"},
    {2, "openAppearanceIntervalAction", "出現間隔分析"},
    {2, "openNumberGapAction", "数字間隔分析"},
    {1, "openAppearanceCountAction", "出現回数分析"},
    {1, "openDispersionAction", "バラツキ分析"},
    {1, "openCarryOverAction", "引っ張り分析"},
    {1, "openConsecutiveAction", "連番・飛び石分析"},
    {1, "openNumberSumAction", "数字合計分析"},
    {1, "patternMenu", "組合せパターン分析"},
    {2, "openLowHighPatternAction", "低数字・高数字の組合せパターン分析"},
    {2, "openEvenOddPatternAction", "偶数・奇数の組合せパターン分析"},
    {1, "openFourGroupAction", "4分割傾向分析"},
    {1, "groupDataMenu", "分割データ分析"},
    {2, "openSixGroupDataAction", "6分割データ分析"},
    {2, "openSevenGroupDataAction", "7分割データ分析"},
    {2, "openTenGroupDataAction", "10分割データ分析"},
    {1, "openLastDigitAction", "下一桁出現傾向分析"},
    {1, "openLastDigitRunAction", "下一桁連続出現回数分析"},
    {1, "openPairAction", "ペア分析"},
    {0, "historyMenu", "データ管理(&M)"},
    {1, "refreshHistoryAction", "当選データ最新化(&U)"},
    {1, "setRefreshSourceAction", "最新化のURL設定(&S)..."},
    {1, "importHistoryAction", "当選データ取り込み(&F)..."},
    {1, "openEntryAction", "当選データ入力(&I)"},
    {0, "windowMenu", "ウィンドウ(&W)"},
    {1, "tileHorizontallyAction", "上下に並べて表示(&H)"},
    {1, "tileVerticallyAction", "左右に並べて表示(&V)"},
    {1, "cascadeAction", "重ねて表示(&C)"},
    {1, "arrangeIconsAction", "アイコンの整列(&A)"},
    {1, "closeAllWindowsAction", "すべて閉じる(&L)"},
    {0, "helpMenu", "ヘルプ(&H)"},
    {1, "showHelpAction", "ヘルプ(&H)"},
    {1, "showAboutAction", "バージョン情報(&A)"},
};

// The analysis leaves and the windows they open.
const std::pair<const char*, const char*> kAnalysisLeaves[] = {
    {"openAppearanceFrequencyAction", "出現頻度分析"},
    {"openAppearanceByCountAction", "回数別出現分析"},
    {"openAppearanceIntervalAction", "出現間隔分析"},
    {"openNumberGapAction", "数字間隔分析"},
    {"openAppearanceCountAction", "出現回数分析"},
    {"openDispersionAction", "バラツキ分析"},
    {"openCarryOverAction", "引っ張り分析"},
    {"openConsecutiveAction", "連番飛び石分析"},
    {"openNumberSumAction", "数字合計分析"},
    {"openLowHighPatternAction", "低数字高数字の組合せパターン分析"},
    {"openEvenOddPatternAction", "偶数奇数の組合せパターン分析"},
    {"openFourGroupAction", "分割4傾向分析"},
    {"openSixGroupDataAction", "分割6データ分析"},
    {"openSevenGroupDataAction", "分割7データ分析"},
    {"openTenGroupDataAction", "分割10データ分析"},
    {"openLastDigitAction", "下一桁出現傾向分析"},
    {"openLastDigitRunAction", "下一桁連続出現回数分析"},
    {"openPairAction", "ペア分析"},
};

struct ActualItem {
    int level;
    QString name;
    QString caption;
    QString menuName;  // the QMenu's own object name for items with children
    bool hasShortcut;
};

void CollectItems(const QList<QAction*>& actions, int level, std::vector<ActualItem>& out) {
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        QMenu* menu = action->menu();
        out.push_back({level, action->objectName(), action->text(),
                       menu != nullptr ? menu->objectName() : action->objectName(),
                       !action->shortcut().isEmpty()});
        if (menu != nullptr) {
            CollectItems(menu->actions(), level + 1, out);
        }
    }
}

class MainMenuTest : public MainWindowTest {};

TEST_F(MainMenuTest, TreeHasEveryItemWithItsNameCaptionAndLevelAndNoShortcuts) {
    WriteHistory(PatternDraws(5));
    MainWindow& main = Start();
    std::vector<ActualItem> actual;
    CollectItems(main.menuBar()->actions(), 0, actual);

    ASSERT_EQ(actual.size(), std::size(kMenuTree));
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const ExpectedItem& expected = kMenuTree[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(actual[i].level, expected.level);
        EXPECT_EQ(actual[i].name, QString::fromUtf8(expected.name));
        EXPECT_EQ(actual[i].menuName, QString::fromUtf8(expected.name));
        EXPECT_EQ(actual[i].caption, QString::fromUtf8(expected.caption));
        EXPECT_FALSE(actual[i].hasShortcut);
    }
}

TEST_F(MainMenuTest, EveryAnalysisLeafOpensItsWindowWithTheCatalogCaption) {
    WriteHistory(PatternDraws(5));
    Start();
    ModalAnswerer answerer;
    for (const auto& [item, window] : kAnalysisLeaves) {
        SCOPED_TRACE(item);
        const Analysis* description = FindAnalysis(window);
        ASSERT_NE(description, nullptr);
        QMdiSubWindow* child = ChooseWindow(item);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->objectName(), QString::fromUtf8(window));
        EXPECT_EQ(child->windowTitle(), QString::fromUtf8(description->caption));
        EXPECT_TRUE(child->isVisible());
        child->close();
    }
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_TRUE(Children().empty());
}

}  // namespace
}  // namespace pirumo::test
