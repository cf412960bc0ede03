#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "../core/filebytes.h"
#include "history/store/historyfile.h"
#include "history/store/tickettable.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "prediction/ui/numbercheckwindow.h"
#include "prediction/ui/ticketswindow.h"
#include "widgets/chartpane.h"
#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"

namespace pirumo::test {
namespace {

class TicketsWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        mDraws = PatternDraws(30);
        WriteHistory(mDraws);
    }
    static void Type(const std::array<QLineEdit*, 5>& fields, const std::array<int, 5>& numbers) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i]->setText(QString::number(numbers[i]));
        }
    }
    std::vector<Draw> mDraws;
};

// The next draw arrives with four of the ticket's numbers: the main window says so at once.
TEST_F(TicketsWindowTest, AddsATicketForTheNextDrawAndReportsItWhenTheDrawArrives) {
    Start();
    auto* window = qobject_cast<TicketsWindow*>(ChooseWindow("openTicketsAction"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("購入した数字"));
    Type({window->NumberField(0), window->NumberField(1), window->NumberField(2),
          window->NumberField(3), window->NumberField(4)},
         {1, 2, 3, 4, 5});
    window->AddTicket();
    ASSERT_EQ(window->Tickets().size(), 1u);
    EXPECT_EQ(window->Tickets()[0].firstDraw, 31);
    EXPECT_EQ(window->findChild<QTableWidget*>(QStringLiteral("ticketTable"))->rowCount(), 1);
    EXPECT_TRUE(window->NumberField(0)->text().isEmpty());

    std::vector<Draw> more = mDraws;
    more.push_back(MakeDraw(31, {1, 2, 3, 4, 9}, 10));
    ReplaceHistoryFile(HistoryPath(), more);
    mMain->ReloadHistory();
    const auto* lines = mMain->findChild<QListWidget*>(QStringLiteral("ticketResultLines"));
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->count(), 1);
    EXPECT_EQ(lines->item(0)->text(),
              QStringLiteral("第31回：あなたの数字 1口のうち 3等 1口（賞金データなし）"));
    EXPECT_TRUE(mMain->findChild<QDockWidget*>(QStringLiteral("ticketResultsPanel"))->isVisible());
    // The open window recomputed its ledger over the new draw.
    ASSERT_EQ(window->Ledger().draws.size(), 1u);
    EXPECT_EQ(window->Ledger().wins[kThirdPrize], 1);
    const ResultGrid& grid =
        window->findChild<GridView*>(QStringLiteral("ledgerGrid"))->GridModel()->Grid();
    EXPECT_EQ(grid.CellText(1, 2), "第31回");
    auto* chart = window->findChild<ChartPane*>(QStringLiteral("ledgerChart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->Charts().size(), 1u);
    EXPECT_EQ(chart->Charts()[0].series.size(), 4u);

    // The printout: the tickets, then the ledger with its table.
    const PrintDocument printout = window->PrintDocumentOf(QDate(2025, 10, 1));
    ASSERT_EQ(printout.blocks.size(), 2u);
    EXPECT_EQ(printout.blocks[0].lines.at(1).text, QStringLiteral("番号1　1 2 3 4 5　第31回"));
    ASSERT_NE(printout.blocks[1].grid, nullptr);
    EXPECT_EQ(printout.blocks[1].grid->CellText(1, 2), "第31回");

    // Reading the same file again adds nothing new to say.
    mMain->ReloadHistory();
    EXPECT_EQ(lines->count(), 1);
}

TEST_F(TicketsWindowTest, RefusesWrongNumbersAndRemovesTheChosenTicket) {
    Start();
    auto* window = qobject_cast<TicketsWindow*>(ChooseWindow("openTicketsAction"));
    ASSERT_NE(window, nullptr);
    const std::array<QLineEdit*, 5> fields = {window->NumberField(0), window->NumberField(1),
                                              window->NumberField(2), window->NumberField(3),
                                              window->NumberField(4)};
    Type(fields, {1, 2, 3, 4, 4});
    const std::string before = ReadFileBytes(HistoryPath());
    {
        ModalAnswerer answerer;
        window->AddTicket();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("重複")));
    }
    EXPECT_EQ(ReadFileBytes(HistoryPath()), before);
    EXPECT_TRUE(window->Tickets().empty());

    Type(fields, {6, 7, 8, 9, 10});
    window->AddTicket();
    Type(fields, {11, 12, 13, 14, 15});
    window->AddTicket();
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("ticketTable"));
    table->selectRow(0);
    window->RemoveSelectedTicket();
    ASSERT_EQ(window->Tickets().size(), 1u);
    EXPECT_EQ(window->Tickets()[0].numbers, (std::array<int, 5>{11, 12, 13, 14, 15}));
    EXPECT_EQ(ReadSavedTickets(HistoryPath()), window->Tickets());
}

TEST_F(TicketsWindowTest, NumberCheckSavesTheTicketItShows) {
    Start();
    auto* check = qobject_cast<NumberCheckWindow*>(ChooseWindow("openNumberCheckAction"));
    ASSERT_NE(check, nullptr);
    for (int i = 0; i < 5; ++i) {
        check->NumberField(i)->setText(QString::number(20 + i));
    }
    check->findChild<QPushButton*>(QStringLiteral("saveTicketButton"))->click();
    const std::vector<SavedTicket> saved = ReadSavedTickets(HistoryPath());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].numbers, (std::array<int, 5>{20, 21, 22, 23, 24}));
    EXPECT_EQ(saved[0].firstDraw, 31);
    EXPECT_EQ(saved[0].lastDraw, 31);
}

}  // namespace
}  // namespace pirumo::test
