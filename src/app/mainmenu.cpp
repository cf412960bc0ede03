#include "app/mainmenu.h"

#include <QMenu>
#include <QMenuBar>

#include "analyses/analysiscatalog.h"

namespace pirumo {

namespace {

// A leaf that opens an analysis window, captioned from the catalog that the command line reads
// too.
MainMenuItem AnalysisLeaf(int level, const char* name, const char* window) {
    return {level, name, AnalysisMenuCaption(window), window};
}

}  // namespace

const std::vector<MainMenuItem>& MainMenuItems() {
    static const std::vector<MainMenuItem> items{
        {0, "exitAction", "終了(&X)", nullptr},
        {0, "predictionMenu", "予想(&Y)", nullptr},
        {1, "openPredictionAction", "一発ガルポン予想(&D)", "一発ガルポン"},
        {1, "openBacktestAction", "予想の検証(&V)", "予想の検証"},
        {1, "openNumberCheckAction", "数字チェック(&C)", "数字チェック"},
        {1, "openTicketsAction", "購入した数字(&T)", "購入した数字"},
        {0, "analysisMenu", "データ分析(&S)", nullptr},
        {1, "frequencyMenu", "頻度分析", nullptr},
        AnalysisLeaf(2, "openAppearanceFrequencyAction", "出現頻度分析"),
        AnalysisLeaf(2, "openAppearanceByCountAction", "回数別出現分析"),
        {1, "intervalMenu", "間隔分析", nullptr},
        AnalysisLeaf(2, "openAppearanceIntervalAction", "出現間隔分析"),
        AnalysisLeaf(2, "openNumberGapAction", "数字間隔分析"),
        AnalysisLeaf(1, "openAppearanceCountAction", "出現回数分析"),
        AnalysisLeaf(1, "openDispersionAction", "バラツキ分析"),
        AnalysisLeaf(1, "openCarryOverAction", "引っ張り分析"),
        AnalysisLeaf(1, "openConsecutiveAction", "連番飛び石分析"),
        AnalysisLeaf(1, "openNumberSumAction", "数字合計分析"),
        {1, "patternMenu", "組合せパターン分析", nullptr},
        AnalysisLeaf(2, "openLowHighPatternAction", "低数字高数字の組合せパターン分析"),
        AnalysisLeaf(2, "openEvenOddPatternAction", "偶数奇数の組合せパターン分析"),
        AnalysisLeaf(1, "openFourGroupAction", "分割4傾向分析"),
        {1, "groupDataMenu", "分割データ分析", nullptr},
        AnalysisLeaf(2, "openSixGroupDataAction", "分割6データ分析"),
        AnalysisLeaf(2, "openSevenGroupDataAction", "分割7データ分析"),
        AnalysisLeaf(2, "openTenGroupDataAction", "分割10データ分析"),
        AnalysisLeaf(1, "openLastDigitAction", "下一桁出現傾向分析"),
        AnalysisLeaf(1, "openLastDigitRunAction", "下一桁連続出現回数分析"),
        AnalysisLeaf(1, "openPairAction", "ペア分析"),
        {0, "historyMenu", "データ管理(&M)", nullptr},
        {1, "refreshHistoryAction", "当選データ最新化(&U)", nullptr},
        {1, "setRefreshSourceAction", "最新化のURL設定(&S)...", nullptr},
        {1, "importHistoryAction", "当選データ取り込み(&F)...", nullptr},
        {1, "openEntryAction", "当選データ入力(&I)", "当選データ入力"},
        {0, "windowMenu", "ウィンドウ(&W)", nullptr},
        {1, "tileHorizontallyAction", "上下に並べて表示(&H)", nullptr},
        {1, "tileVerticallyAction", "左右に並べて表示(&V)", nullptr},
        {1, "cascadeAction", "重ねて表示(&C)", nullptr},
        {1, "arrangeIconsAction", "アイコンの整列(&A)", nullptr},
        {1, "closeAllWindowsAction", "すべて閉じる(&L)", nullptr},
        {0, "helpMenu", "ヘルプ(&H)", nullptr},
        {1, "showHelpAction", "ヘルプ(&H)", nullptr},
        {1, "showAboutAction", "バージョン情報(&A)", nullptr},
    };
    return items;
}

QHash<QString, QAction*> BuildMainMenu(QMenuBar& bar) {
    QHash<QString, QAction*> leaves;
    const auto& items = MainMenuItems();
    std::vector<QMenu*> parents;  // parents[level - 1] = open menu of that level
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MainMenuItem& item = items[i];
        const QString name = QString::fromUtf8(item.name);
        const QString caption = QString::fromUtf8(item.caption);
        const bool hasChildren = i + 1 < items.size() && items[i + 1].level > item.level;
        parents.resize(static_cast<std::size_t>(item.level));
        QAction* action = nullptr;
        if (hasChildren) {
            QMenu* menu = item.level == 0 ? bar.addMenu(caption) : parents.back()->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            parents.push_back(menu);
        } else {
            action = item.level == 0 ? bar.addAction(caption) : parents.back()->addAction(caption);
            leaves.insert(name, action);
        }
        action->setObjectName(name);
    }
    return leaves;
}

}  // namespace pirumo
