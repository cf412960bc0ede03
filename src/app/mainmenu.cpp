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
        {0, "mnuEnd", "終了(&X)", nullptr},
        {0, "mnuYosoMenu", "予想(&Y)", nullptr},
        {1, "mnuYoso", "一発ガルポン予想(&D)", "一発ガルポン"},
        {1, "mnuYosoKensho", "予想の検証(&V)", "予想の検証"},
        {1, "mnuNumberCheck", "数字チェック(&C)", "数字チェック"},
        {0, "mnuMain", "データ分析(&S)", nullptr},
        {1, "mnuHindo", "頻度分析", nullptr},
        AnalysisLeaf(2, "mnuSyutugenHindo", "出現頻度分析"),
        AnalysisLeaf(2, "mnuSyutugenKaisu", "回数別出現分析"),
        {1, "mnuKankaku", "間隔分析", nullptr},
        AnalysisLeaf(2, "mnuSyutugenKankaku", "出現間隔分析"),
        AnalysisLeaf(2, "mnuNumberKankaku", "数字間隔分析"),
        AnalysisLeaf(1, "mnuZenkaiSyutugen", "出現回数分析"),
        AnalysisLeaf(1, "mnuBaratsuki", "バラツキ分析"),
        AnalysisLeaf(1, "mnuHippari", "引っ張り分析"),
        AnalysisLeaf(1, "mnuRenbanTobiishi", "連番飛び石分析"),
        AnalysisLeaf(1, "mnuHonsuji", "数字合計分析"),
        {1, "mnuPattern", "組合せパターン分析", nullptr},
        AnalysisLeaf(2, "mnuLowHightPattern", "低数字高数字の組合せパターン分析"),
        AnalysisLeaf(2, "mnuKisuGusuPattern", "偶数奇数の組合せパターン分析"),
        AnalysisLeaf(1, "mnu5BunkatsuKeiko", "分割4傾向分析"),
        {1, "mnuBunkatsuData", "分割データ分析", nullptr},
        AnalysisLeaf(2, "mnu6BunkatsuData", "分割6データ分析"),
        AnalysisLeaf(2, "mnu7BunkatsuData", "分割7データ分析"),
        AnalysisLeaf(2, "mnu11BunkatsuData", "分割10データ分析"),
        AnalysisLeaf(1, "mnuLastChar", "下一桁出現傾向分析"),
        AnalysisLeaf(1, "mnuLastCharRenzoku", "下一桁連続出現回数分析"),
        {0, "mnuHosyu", "データ管理(&M)", nullptr},
        {1, "mnuMasterUpdate", "当選データ最新化(&U)", nullptr},
        {1, "mnuMasterSource", "最新化のURL設定(&S)...", nullptr},
        {1, "mnuMasterImport", "当選データ取り込み(&F)...", nullptr},
        {1, "mnuMasterInput", "当選データ入力(&I)", "当選データ入力"},
        {0, "mnuWindow", "ウィンドウ(&W)", nullptr},
        {1, "mnuWindowHorizontal", "上下に並べて表示(&H)", nullptr},
        {1, "mnuWindowVertical", "左右に並べて表示(&V)", nullptr},
        {1, "mnuWindowCascade", "重ねて表示(&C)", nullptr},
        {1, "mnuWindowArrangeIcon", "アイコンの整列(&A)", nullptr},
        {0, "mnuHelp", "ヘルプ(&H)", nullptr},
        {1, "mnuHelpFile", "ヘルプ(&H)", nullptr},
        {1, "mnuAbout", "バージョン情報(&A)", nullptr},
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
