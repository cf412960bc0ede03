#pragma once

#include <QMdiSubWindow>
#include <array>
#include <filesystem>
#include <vector>

#include "grid/resultgrid.h"
#include "history/savedticket.h"
#include "prediction/tickets/ticketledger.h"
#include "print/printdocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace pirumo {

class GridView;
class ChartPane;
class WindowHost;

// 購入した数字: the player's saved tickets (add, remove) and the money ledger over them, as a
// table and a cumulative chart. The tickets live in the history file; the window reads them and
// the host's history whenever it is shown again or either changed, and holds nothing the entry
// window could change under it, so it does not block manual entry.
class TicketsWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    TicketsWindow(WindowHost& host, std::filesystem::path historyFile);

    // Reads the tickets and recomputes the ledger over the host's history as it is now.
    void Reload();
    // Saves the ticket in the fields for the chosen draws; wrong input is refused with a message
    // and changes nothing.
    void AddTicket();
    // Removes the ticket of the selected row (see RemoveSavedTicket).
    void RemoveSelectedTicket();

    // What 印刷 prints: the tickets, the ledger's summary and its table.
    PrintDocument PrintDocumentOf(QDate printed) const;

    QLineEdit* NumberField(int index) const { return mNumbers[static_cast<std::size_t>(index)]; }
    const std::vector<SavedTicket>& Tickets() const { return mTickets; }
    const TicketLedger& Ledger() const { return mLedger; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateTicketArea();
    // On coming to the front: the ledger again only when another window changed the tickets.
    void ReloadIfTicketsChanged();
    QWidget* CreateLedgerArea();
    void ShowTickets();

    WindowHost& mHost;
    std::filesystem::path mHistoryFile;
    std::vector<SavedTicket> mTickets;
    TicketLedger mLedger;
    ResultGrid mLedgerGrid;
    std::array<QLineEdit*, 5> mNumbers{};
    QComboBox* mDrawChoice = nullptr;
    QSpinBox* mDrawNumber = nullptr;
    QTableWidget* mTicketTable = nullptr;
    GridView* mLedgerView = nullptr;
    ChartPane* mChart = nullptr;
    QLabel* mSummary = nullptr;
};

}  // namespace pirumo
