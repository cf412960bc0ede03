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
    {0, "mnuEnd", "終了(&X)"},
    {0, "mnuYosoMenu", "予想(&Y)"},
    {1, "mnuYoso", "一発ガルポン予想(&D)"},
    {1, "mnuYosoKensho", "予想の検証(&V)"},
    {1, "mnuNumberCheck", "数字チェック(&C)"},
    {0, "mnuMain", "データ分析(&S)"},
    {1, "mnuHindo", "頻度分析"},
    {2, "mnuSyutugenHindo", "出現頻度分析"},
    {2, "mnuSyutugenKaisu", "回数別出現分析"},
    {1, "mnuKankaku", "間隔分析"},
    {2, "mnuSyutugenKankaku", "出現間隔分析"},
    {2, "mnuNumberKankaku", "数字間隔分析"},
    {1, "mnuZenkaiSyutugen", "出現回数分析"},
    {1, "mnuBaratsuki", "バラツキ分析"},
    {1, "mnuHippari", "引っ張り分析"},
    {1, "mnuRenbanTobiishi", "連番・飛び石分析"},
    {1, "mnuHonsuji", "数字合計分析"},
    {1, "mnuPattern", "組合せパターン分析"},
    {2, "mnuLowHightPattern", "低数字・高数字の組合せパターン分析"},
    {2, "mnuKisuGusuPattern", "偶数・奇数の組合せパターン分析"},
    {1, "mnu5BunkatsuKeiko", "4分割傾向分析"},
    {1, "mnuBunkatsuData", "分割データ分析"},
    {2, "mnu6BunkatsuData", "6分割データ分析"},
    {2, "mnu7BunkatsuData", "7分割データ分析"},
    {2, "mnu11BunkatsuData", "10分割データ分析"},
    {1, "mnuLastChar", "下一桁出現傾向分析"},
    {1, "mnuLastCharRenzoku", "下一桁連続出現回数分析"},
    {0, "mnuHosyu", "データ管理(&M)"},
    {1, "mnuMasterUpdate", "当選データ最新化(&U)"},
    {1, "mnuMasterSource", "最新化のURL設定(&S)..."},
    {1, "mnuMasterImport", "当選データ取り込み(&F)..."},
    {1, "mnuMasterInput", "当選データ入力(&I)"},
    {0, "mnuWindow", "ウィンドウ(&W)"},
    {1, "mnuWindowHorizontal", "上下に並べて表示(&H)"},
    {1, "mnuWindowVertical", "左右に並べて表示(&V)"},
    {1, "mnuWindowCascade", "重ねて表示(&C)"},
    {1, "mnuWindowArrangeIcon", "アイコンの整列(&A)"},
    {0, "mnuHelp", "ヘルプ(&H)"},
    {1, "mnuHelpFile", "ヘルプ(&H)"},
    {1, "mnuAbout", "バージョン情報(&A)"},
};

// The analysis leaves and the windows they open.
const std::pair<const char*, const char*> kAnalysisLeaves[] = {
    {"mnuSyutugenHindo", "出現頻度分析"},
    {"mnuSyutugenKaisu", "回数別出現分析"},
    {"mnuSyutugenKankaku", "出現間隔分析"},
    {"mnuNumberKankaku", "数字間隔分析"},
    {"mnuZenkaiSyutugen", "出現回数分析"},
    {"mnuBaratsuki", "バラツキ分析"},
    {"mnuHippari", "引っ張り分析"},
    {"mnuRenbanTobiishi", "連番飛び石分析"},
    {"mnuHonsuji", "数字合計分析"},
    {"mnuLowHightPattern", "低数字高数字の組合せパターン分析"},
    {"mnuKisuGusuPattern", "偶数奇数の組合せパターン分析"},
    {"mnu5BunkatsuKeiko", "分割4傾向分析"},
    {"mnu6BunkatsuData", "分割6データ分析"},
    {"mnu7BunkatsuData", "分割7データ分析"},
    {"mnu11BunkatsuData", "分割10データ分析"},
    {"mnuLastChar", "下一桁出現傾向分析"},
    {"mnuLastCharRenzoku", "下一桁連続出現回数分析"},
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
        const AnalysisWindowDescription* description = FindAnalysisWindow(window);
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
