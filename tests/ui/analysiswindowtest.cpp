#include <QLabel>
#include <QMdiArea>
#include <QPushButton>

#include "analyses/ui/analysiswindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "testwindowhost.h"
#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"
#include "widgets/twips.h"

namespace pirumo::test {
namespace {

class AnalysisWindowTest : public testing::Test {
protected:
    // An analysis whose grid lists the draw numbers.
    static Analysis SampleDescription() {
        Analysis description;
        description.name = "見本分析";
        description.caption = "見本の分析";
        description.summary = "見本の説明です";
        description.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
            grid.SetColumnCount(1);
            grid.SetRowCount(history.LastDrawNumber());
            grid.SetHeadersVisible(false, false);
            history.ForEachValidDraw(
                [&](const Draw& d) { grid.SetCellText(1, d.drawNumber, d.drawNumber); });
            grid.ActivateCell(0, 0);
        };
        return description;
    }

    // Its window, with a legend.
    static AnalysisWindowLayout SampleLayout() {
        return {
            .widthTwips = 6000,
            .heightTwips = 7000,
            .hasPrintButton = false,
            .legend = {
                {LegendControl::Kind::Ball, "ball", "", MakeRgb(0, 0, 255), 4200, 120, 255, 255},
                {LegendControl::Kind::Label, "ballLabel", "：本数字", 0, 4440, 180, 735, -1},
                {LegendControl::Kind::Swatch, "swatch", "", MakeRgb(224, 224, 224), 6720, 150, 375,
                 255},
            }};
    }

    AnalysisWindow& Open(const Analysis& description,
                         const AnalysisWindowLayout& layout = SampleLayout()) {
        AnalysisWindow& window = mHost.Add(new AnalysisWindow(description, layout, mHost));
        window.Load();
        window.show();
        return window;
    }

    TestWindowHost mHost{DrawHistory(PatternDraws(6))};
};

class AnalysisWindowMenuTest : public MainWindowTest {};

TEST_F(AnalysisWindowTest, FrameFollowsTheWindowDescription) {
    const Analysis description = SampleDescription();
    AnalysisWindow& window = Open(description);

    EXPECT_EQ(window.objectName(), QStringLiteral("見本分析"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("見本の分析"));
    EXPECT_EQ(window.geometry(), TwipsToPixels(0, 0, 6000, 7000, window));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("summaryLabel"))->text(),
              QStringLiteral("見本の説明です"));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("closeButton"))->text(),
              QStringLiteral("閉じる"));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("printButton")), nullptr);

    auto* ball = window.findChild<QLabel*>(QStringLiteral("ball"));
    ASSERT_NE(ball, nullptr);
    const QRect ballPlace = TwipsToPixels(4200, 120, 255, 255, window);
    EXPECT_EQ(ball->pos(), ballPlace.topLeft());
    // At least its twips, and large enough to show the whole ball picture.
    EXPECT_EQ(ball->size(),
              ballPlace.size().expandedTo(ball->pixmap().deviceIndependentSize().toSize()));
    EXPECT_FALSE(ball->pixmap().isNull());
    auto* label = window.findChild<QLabel*>(QStringLiteral("ballLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("：本数字"));
    // Placed at its twips, or right of the ball where that would make them touch.
    EXPECT_EQ(label->y(), TwipsToPixelsY(180, window));
    EXPECT_GE(label->x(), TwipsToPixelsX(4440, window));
    EXPECT_GT(label->x(), ball->geometry().right() + 1);
    auto* swatch = window.findChild<QLabel*>(QStringLiteral("swatch"));
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->grab().toImage().pixelColor(5, 5), QColor(224, 224, 224));
}

TEST_F(AnalysisWindowTest, GridShowsWhatRunAnalysisWroteFromTheHistory) {
    AnalysisWindow& window = Open(SampleDescription());
    auto* view = window.findChild<GridView*>(QStringLiteral("gridView"));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->model()->rowCount(), 6);
    EXPECT_EQ(view->model()->index(5, 0).data().toString(), QStringLiteral("6"));
    EXPECT_TRUE(view->isVisible());
}

TEST_F(AnalysisWindowTest, PrintButtonPreviewsAndCloseButtonClosesAndAllowsEntryAgain) {
    AnalysisWindowLayout layout = SampleLayout();
    layout.hasPrintButton = true;
    QPointer<AnalysisWindow> window = &Open(SampleDescription(), layout);
    auto* print = window->findChild<QPushButton*>(QStringLiteral("printButton"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("印刷"));
    {
        ModalAnswerer answerer;
        print->click();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen()[0].className, QStringLiteral("QPrintPreviewDialog"));
    }
    FlushDeletes();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(mHost.EntryAllowed());

    window->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    FlushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(mHost.EntryAllowed());
}

TEST_F(AnalysisWindowMenuTest, AppearanceCountOpensFromItsMenuItemOnTheHistory) {
    WriteHistory(PatternDraws(30));
    Start();
    QMdiSubWindow* window = ChooseWindow("openAppearanceCountAction");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), TwipsToPixels(0, 0, 8590, 13850, *window).size());
    auto* view = window->findChild<GridView*>(QStringLiteral("gridView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->rowCount(), 32);
    EXPECT_EQ(view->model()->columnCount(), 13);
    EXPECT_EQ(view->model()->index(2, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
}  // namespace pirumo::test
