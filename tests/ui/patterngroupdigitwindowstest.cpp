#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "widgets/gridview.h"
#include "widgets/twips.h"

namespace pirumo::test {
namespace {

struct MenuWindow {
    const char* menuItem;
    const char* name;
    int widthTwips;
    int heightTwips;
    int columns;
    int rows;  // for 120 draws
    bool blocksEntry;
};

// 120 draws: one row per draw plus the header rows each window adds (three blocks where the
// window shows blocks of 50 draws).
constexpr MenuWindow kWindows[] = {
    {"openConsecutiveAction", "連番飛び石分析", 6550, 13400, 12, 121, true},
    {"openNumberSumAction", "数字合計分析", 7350, 13680, 9, 121, true},
    {"openEvenOddPatternAction", "偶数奇数の組合せパターン分析", 7130, 13600, 10, 121, false},
    {"openLowHighPatternAction", "低数字高数字の組合せパターン分析", 7130, 13600, 10, 121, false},
    {"openFourGroupAction", "分割4傾向分析", 7500, 13600, 11, 124, false},
    {"openSixGroupDataAction", "分割6データ分析", 9250, 12400, 33, 127, true},
    {"openSevenGroupDataAction", "分割7データ分析", 9250, 12200, 33, 127, true},
    {"openTenGroupDataAction", "分割10データ分析", 9250, 12200, 33, 127, true},
    {"openLastDigitAction", "下一桁出現傾向分析", 7370, 13980, 11, 124, true},
    {"openLastDigitRunAction", "下一桁連続出現回数分析", 7370, 13935, 11, 124, true},
};

class PatternGroupDigitWindowsTest : public MainWindowTest {};

TEST_F(PatternGroupDigitWindowsTest, EachOpensFromItsMenuWithItsSizeAndGrid) {
    WriteHistory(PatternDraws(120));
    Start();
    for (const MenuWindow& expected : kWindows) {
        QMdiSubWindow* window = ChooseWindow(expected.menuItem);
        ASSERT_NE(window, nullptr) << expected.menuItem;
        EXPECT_EQ(window->objectName(), QString::fromUtf8(expected.name));
        EXPECT_EQ(window->size(),
                  TwipsToPixels(0, 0, expected.widthTwips, expected.heightTwips, *window).size());
        auto* view = window->findChild<GridView*>(QStringLiteral("gridView"));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->model()->columnCount(), expected.columns) << expected.name;
        EXPECT_EQ(view->model()->rowCount(), expected.rows) << expected.name;

        ModalAnswerer answerer;
        Choose("openEntryAction");
        EXPECT_EQ(answerer.Seen().size(), expected.blocksEntry ? 1u : 0u) << expected.name;
        for (QMdiSubWindow* child : Children()) {
            child->close();
        }
        FlushDeletes();
    }
}

TEST_F(PatternGroupDigitWindowsTest, GroupWindowDescriptionFitsBesideTheLegend) {
    WriteHistory(PatternDraws(10));
    Start();
    QMdiSubWindow* window = ChooseWindow("openTenGroupDataAction");
    ASSERT_NE(window, nullptr);
    auto* summary = window->findChild<QLabel*>(QStringLiteral("summaryLabel"));
    auto* ball = window->findChild<QLabel*>(QStringLiteral("mainNumberBall"));
    ASSERT_NE(summary, nullptr);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(summary->geometry().topLeft(), TwipsToPixels(120, 180, 0, 0, *window).topLeft());
    EXPECT_LE(summary->width(), TwipsToPixels(0, 0, 4215, 0, *window).width());
    EXPECT_LE(QFontMetrics(summary->font()).horizontalAdvance(summary->text()), summary->width());
    const int textRight =
        summary->x() + QFontMetrics(summary->font()).horizontalAdvance(summary->text());
    EXPECT_LE(textRight, ball->x()) << summary->font().pointSizeF();
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("printButton")), nullptr);
}

}  // namespace
}  // namespace pirumo::test
