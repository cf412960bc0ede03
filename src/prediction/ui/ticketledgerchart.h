#pragma once

#include <QChartView>

#include "prediction/tickets/ticketledger.h"

namespace pirumo {

// The ledger drawn cumulatively over the draws with prize data: what was spent, what was won,
// and what the same tickets bought at random would have won (mean and 95 % range).
class TicketLedgerChart : public QChartView {
    Q_OBJECT

public:
    explicit TicketLedgerChart(QWidget* parent = nullptr);

    void Show(const TicketLedger& ledger);
};

}  // namespace pirumo
