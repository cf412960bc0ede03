#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

#include "analyses/ui/analysiswindow.h"
#include "grid/gridexport.h"
#include "history/store/historyfile.h"
#include "history/ui/entrywindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "prediction/garuponpredictor.h"
#include "prediction/ui/ippatsugaruponwindow.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

// The four grids of a prediction, comparable as a whole.
std::vector<std::string> GridsOf(const GaruponPredictor& predictor) {
    std::vector<std::string> grids;
    for (int i = 0; i < kPredictionGridCount; ++i) {
        grids.push_back(GridToJson(predictor.Grid(i), "", ""));
    }
    return grids;
}

std::vector<std::string> FreshPrediction(const DrawHistory& history) {
    GaruponPredictor predictor;
    predictor.Load(history);
    return GridsOf(predictor);
}

// Types `text` into cell (column, row) as a user does; returns the dialogs that appeared.
std::vector<ModalAnswerer::Dialog> Type(EntryWindow& entry, int column, int row,
                                        const QString& text) {
    ModalAnswerer answerer;
    auto& view = *entry.findChild<GridView*>(QStringLiteral("gridView"));
    const QModelIndex index = view.model()->index(row - 1, column - 1);
    view.setCurrentIndex(index);
    QTest::keyClick(&view, text.at(0).toLatin1());
    if (QWidget* editor = view.indexWidget(index)) {
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QApplication::processEvents();
    QApplication::processEvents();
    return answerer.Seen();
}

class ReloadTest : public MainWindowTest {};

// A draw typed in reaches the open analysis and the prediction without a restart.
TEST_F(ReloadTest, ADrawAddedInTheEntryWindowIsUsedAtOnce) {
    WriteHistory(PatternDraws(12));
    MainWindow& main = Start();
    const auto before = FreshPrediction(DrawHistory(PatternDraws(12)));
    // The analysis opened second: it blocks opening the entry window, not using it.
    auto* entry = qobject_cast<EntryWindow*>(ChooseWindow("openEntryAction"));
    ASSERT_NE(entry, nullptr);
    auto* analysis = qobject_cast<AnalysisWindow*>(ChooseWindow("openAppearanceCountAction"));
    ASSERT_NE(analysis, nullptr);
    QWidget* check = ChooseWindow("openBacktestAction");
    ASSERT_NE(check, nullptr);
    const int rowsBefore = analysis->Grid().RowCount();

    main.MdiArea().setActiveSubWindow(entry);
    auto& view = *entry->findChild<GridView*>(QStringLiteral("gridView"));
    view.setCurrentIndex(view.model()->index(11, 1));
    {
        ModalAnswerer answerer({[](QWidget& dialog) {
            qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::Yes)->click();
        }});
        entry->findChild<QAction*>(QStringLiteral("addRowAction"))->trigger();
        QApplication::processEvents();
    }
    ASSERT_EQ(entry->Grid().RowCount(), 13);
    const char* typed[] = {"3", "9", "14", "22", "28", "30"};
    for (int column = 2; column <= 7; ++column) {
        EXPECT_TRUE(Type(*entry, column, 13, QString::fromUtf8(typed[column - 2])).empty());
    }
    // A date that does not exist stays in its cell, with the reason in the status bar.
    EXPECT_TRUE(Type(*entry, 8, 13, QStringLiteral("2025/2/30")).empty());
    EXPECT_TRUE(main.statusBar()->currentMessage().contains(QStringLiteral("開催日")));
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(view.model()->index(12, 7)));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(Type(*entry, 8, 13, QStringLiteral("2025/10/7")).empty());
    EXPECT_EQ(main.History().LastDrawNumber(), 12) << "not before the window closes";
    entry->close();
    FlushDeletes();

    EXPECT_EQ(main.History().LastDrawNumber(), 13);
    EXPECT_EQ(main.History().Rows().back().date, "2025/10/07");
    EXPECT_EQ(analysis->Grid().RowCount(), rowsBefore + 1);
    EXPECT_EQ(check->findChild<QSpinBox*>(QStringLiteral("toDrawSpin"))->maximum(), 13);
    Choose("openPredictionAction");
    auto* prediction = main.findChild<IppatsuGaruponWindow*>(QStringLiteral("一発ガルポン"));
    ASSERT_NE(prediction, nullptr);
    EXPECT_TRUE(prediction->isVisible());
    const auto after = GridsOf(prediction->Predictor());
    EXPECT_EQ(after, FreshPrediction(OpenDrawHistory(HistoryPath())));
    EXPECT_NE(after, before);
}

// Another program replacing the file (twice: the second replacement renames over a file that
// the first one put there) or editing it in place is followed by the open analysis window.
TEST_F(ReloadTest, AChangeMadeByAnotherProgramIsUsedAtOnce) {
    WriteHistory(PatternDraws(12));
    MainWindow& main = Start();
    auto* analysis = qobject_cast<AnalysisWindow*>(ChooseWindow("openAppearanceCountAction"));
    ASSERT_NE(analysis, nullptr);
    const int rowsBefore = analysis->Grid().RowCount();

    for (const int draws : {13, 15}) {
        ReplaceHistoryFile(HistoryPath(), PatternDraws(draws));
        EXPECT_TRUE(QTest::qWaitFor([&] { return main.History().LastDrawNumber() == draws; }))
            << draws;
        EXPECT_EQ(analysis->Grid().RowCount(), rowsBefore + draws - 12);
    }
    {
        HistoryFileEditor other(HistoryPath());
        other.DeleteDraw(15);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.History().LastDrawNumber() == 14; }));
    EXPECT_EQ(analysis->Grid().RowCount(), rowsBefore + 2);
}

// Closing the entry window without a change reads nothing again.
TEST_F(ReloadTest, AnEntryWindowClosedWithoutChangesLeavesTheHistory) {
    WriteHistory(PatternDraws(4));
    MainWindow& main = Start();
    auto* entry = qobject_cast<EntryWindow*>(ChooseWindow("openEntryAction"));
    ASSERT_NE(entry, nullptr);
    bool reloaded = false;
    QObject::connect(entry, &EntryWindow::HistoryChanged, [&reloaded] { reloaded = true; });
    WriteHistory(PatternDraws(6));  // a change of the file made elsewhere
    entry->close();
    FlushDeletes();
    EXPECT_FALSE(reloaded);
    EXPECT_EQ(main.History().LastDrawNumber(), 4);
}

}  // namespace
}  // namespace pirumo::test
