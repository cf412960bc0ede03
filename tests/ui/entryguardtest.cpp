#include <QMdiArea>
#include <QPushButton>

#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

const QString kGuardText = QStringLiteral("表示中のウィンドウを閉じないと実行できません。");

class EntryGuardTest : public MainWindowTest {
protected:
    // Chooses 当選データ入力 and returns the dialogs that appeared.
    std::vector<ModalAnswerer::Dialog> ChooseEntry() {
        ModalAnswerer answerer;
        Choose("openEntryAction");
        return answerer.Seen();
    }
};

TEST_F(EntryGuardTest, EntryIsAllowedAtStartUp) {
    WriteHistory(PatternDraws(5));
    Start();
    EXPECT_TRUE(ChooseEntry().empty());
}

TEST_F(EntryGuardTest, EntryIsRefusedWithTheGuardMessageWhileAnAnalysisIsOpen) {
    WriteHistory(PatternDraws(5));
    Start();
    ChooseWindow("openAppearanceCountAction");

    const auto seen = ChooseEntry();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, kGuardText);
    EXPECT_EQ(seen[0].title, QStringLiteral("メッセ\uFF0Dジ"));
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(Children().size(), 1u);  // nothing else happened
}

TEST_F(EntryGuardTest, EntryIsAllowedAgainAfterTheAnalysisClosesByEitherWay) {
    WriteHistory(PatternDraws(5));
    Start();

    QMdiSubWindow* window = ChooseWindow("openAppearanceCountAction");
    window->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(ChooseEntry().empty());
    for (QMdiSubWindow* entry : Children()) {
        entry->close();  // the entry window blocks entry too
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
