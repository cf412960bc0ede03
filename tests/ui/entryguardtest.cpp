#include <QMdiArea>
#include <QPushButton>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/ui/entrywindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

const QString kCloseAndEnter = QStringLiteral("開いているウィンドウを閉じて入力");

const QString kGuardText = QStringLiteral(
    "当選データを入力する間は、分析と予想のウィンドウを閉じておく必要があります。\n"
    "開いているウィンドウ：「一発ガルポン予想」、「出現回数分析」\n\n"
    "入力を終えて閉じると、分析と予想は新しい当選データで計算し直します。");

class EntryGuardTest : public MainWindowTest {
protected:
    // Chooses 当選データ入力, gives the answers, and returns the dialogs that appeared.
    std::vector<ModalAnswerer::Dialog> ChooseEntry(
        std::vector<ModalAnswerer::Answer> answers = {}) {
        ModalAnswerer answerer(std::move(answers));
        Choose("openEntryAction");
        return answerer.Seen();
    }
};

TEST_F(EntryGuardTest, EntryIsAllowedAtStartUp) {
    WriteHistory(PatternDraws(5));
    Start();
    EXPECT_TRUE(ChooseEntry().empty());
}

// Every analysis reads the history again after entry: closing them for it loses nothing.
TEST_F(EntryGuardTest, WhileWindowsAreOpenEntryOffersToCloseThemForIt) {
    WriteHistory(PatternDraws(5));
    Start();
    ChooseWindow("openAppearanceCountAction");
    Choose("openPredictionAction");
    QMdiSubWindow* allowing = ChooseWindow("openEvenOddPatternAction");

    const auto cancelled = ChooseEntry();  // Esc: nothing happens
    ASSERT_EQ(cancelled.size(), 1u);
    EXPECT_EQ(cancelled[0].text, kGuardText);
    EXPECT_TRUE(cancelled[0].captions.contains(QStringLiteral("キャンセル")));
    EXPECT_EQ(Children().size(), 3u);

    EXPECT_EQ(ChooseEntry({ClickButton(kCloseAndEnter)}).size(), 1u);
    const std::vector<QMdiSubWindow*> open = Children();
    ASSERT_EQ(open.size(), 2u);  // the window that allows entry stays
    EXPECT_EQ(open[0], allowing);
    EXPECT_EQ(mMain->MdiArea().currentSubWindow(), open[1]);
    EXPECT_NE(qobject_cast<EntryWindow*>(open[1]), nullptr);
}

TEST_F(EntryGuardTest, EntryIsAllowedAgainAfterTheAnalysisClosesByEitherWay) {
    WriteHistory(PatternDraws(5));
    Start();

    QMdiSubWindow* window = ChooseWindow("openAppearanceCountAction");
    window->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(ChooseEntry().empty());
    for (QMdiSubWindow* entry : Children()) {
        entry->close();
    }

    window = ChooseWindow("openCarryOverAction");
    window->close();  // the close box
    EXPECT_TRUE(ChooseEntry().empty());
}

TEST_F(EntryGuardTest, AWindowThatAllowsManualEntryDoesNotBlockIt) {
    WriteHistory(PatternDraws(5));
    MainWindow& main = Start();
    Analysis description;
    description.name = "非ブロック";
    description.caption = "非ブロック";
    auto* window = new AnalysisWindow(
        description, {.widthTwips = 3000, .heightTwips = 3000, .allowsManualEntry = true}, main);
    main.MdiArea().addSubWindow(window);
    window->Load();
    window->show();

    EXPECT_TRUE(ChooseEntry().empty());
    window->close();
}

TEST_F(EntryGuardTest, TwoAnalysisWindowsOpenTogether) {
    WriteHistory(PatternDraws(8));
    Start();
    QMdiSubWindow* first = ChooseWindow("openAppearanceCountAction");
    QMdiSubWindow* second = ChooseWindow("openCarryOverAction");

    ASSERT_NE(first, second);
    EXPECT_EQ(Children().size(), 2u);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(ChooseEntry().size(), 1u);
}

// Closing one of two blocking windows must not allow entry beside the other, and a window that
// allows entry must not lift the others' block.
TEST_F(EntryGuardTest, EntryStaysRefusedUntilTheLastBlockingWindowCloses) {
    WriteHistory(PatternDraws(8));
    Start();
    QMdiSubWindow* first = ChooseWindow("openAppearanceCountAction");
    QMdiSubWindow* second = ChooseWindow("openCarryOverAction");
    ChooseWindow("openEvenOddPatternAction");
    EXPECT_EQ(ChooseEntry().size(), 1u);
    first->close();
    EXPECT_EQ(ChooseEntry().size(), 1u);
    Choose("openPredictionAction");
    second->close();
    EXPECT_EQ(ChooseEntry().size(), 1u);
    mMain->findChild<QMdiSubWindow*>(QStringLiteral("一発ガルポン"))->close();
    EXPECT_TRUE(ChooseEntry().empty());
    EXPECT_EQ(Children().size(), 2u);  // the even/odd window and the entry window
}

TEST_F(EntryGuardTest, ChoosingAnOpenWindowBringsItForwardAndAClosedOneIsCreatedAnew) {
    WriteHistory(PatternDraws(8));
    Start();
    QMdiSubWindow* first = ChooseWindow("openAppearanceCountAction");
    QMdiSubWindow* second = ChooseWindow("openCarryOverAction");
    EXPECT_EQ(mMain->MdiArea().currentSubWindow(), second);

    EXPECT_EQ(ChooseWindow("openAppearanceCountAction"), first);
    EXPECT_EQ(Children().size(), 2u);

    first->showMinimized();
    EXPECT_EQ(ChooseWindow("openAppearanceCountAction"), first);
    EXPECT_FALSE(first->isMinimized());

    QPointer<QMdiSubWindow> closed = first;
    first->close();
    FlushDeletes();
    EXPECT_TRUE(closed.isNull());
    QMdiSubWindow* again = ChooseWindow("openAppearanceCountAction");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->objectName(), QStringLiteral("出現回数分析"));
    EXPECT_EQ(Children().size(), 2u);
}

}  // namespace
}  // namespace pirumo::test
