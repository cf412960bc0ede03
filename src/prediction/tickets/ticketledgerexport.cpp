#include "prediction/tickets/ticketledgerexport.h"

#include <cmath>

#include "grid/gridexport.h"
#include "prediction/money/yentext.h"

namespace pirumo {

namespace {

// The 95 % range takes two columns, so that the CSV holds whole numbers only.
constexpr const char* kColumns[] = {"回",
                                    "開催日",
                                    "口数",
                                    "購入額",
                                    "1等",
                                    "2等",
                                    "3等",
                                    "4等",
                                    "当せん金",
                                    "収支",
                                    "偶然の平均",
                                    "偶然の95%下限",
                                    "偶然の95%上限",
                                    "累計購入額",
                                    "累計当せん金",
                                    "累計 偶然の平均"};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr double kColumnWidths[] = {8, 11, 7, 11, 4, 4, 4, 4, 12, 12, 11, 13, 13, 11, 12, 14};

std::int64_t Rounded(double yen) {
    return static_cast<std::int64_t>(std::llround(yen));
}

std::string Yen(std::int64_t yen, YenStyle style) {
    return style == YenStyle::kReadable ? YenText(yen) : std::to_string(yen);
}

std::string RangeText(const RandomTicketWinnings& random, YenStyle style) {
    return Yen(random.lowWon, style) + "〜" + Yen(random.highWon, style);
}

// Columns 3 onwards of a draw row or of the total row.
void FillFigures(ResultGrid& grid, int row, int tickets, const std::array<int, 4>& wins,
                 bool priced, std::int64_t spent, std::int64_t won,
                 const RandomTicketWinnings& random, YenStyle style) {
    grid.SetCellText(3, row, tickets);
    for (int c = 0; c < kPrizeClassCount; ++c) {
        grid.SetCellText(5 + c, row, wins[static_cast<std::size_t>(c)]);
    }
    if (!priced) {
        grid.SetCellText(9, row, "賞金データなし");
        return;
    }
    grid.SetCellText(4, row, Yen(spent, style));
    grid.SetCellText(9, row, Yen(won, style));
    grid.SetCellText(10, row, Yen(won - spent, style));
    grid.SetCellText(11, row, Yen(Rounded(random.expectedWon), style));
    grid.SetCellText(12, row, Yen(random.lowWon, style));
    grid.SetCellText(13, row, Yen(random.highWon, style));
}

std::string JsonWins(const std::array<int, kPrizeClassCount>& wins) {
    std::string json = "{";
    for (std::size_t c = 0; c < wins.size(); ++c) {
        json +=
            (c == 0 ? "" : ", ") + JsonQuote(kPrizeClassNames[c]) + ": " + std::to_string(wins[c]);
    }
    return json + "}";
}

std::string JsonRandom(const RandomTicketWinnings& random) {
    return "\"expectedWon\": " + std::to_string(Rounded(random.expectedWon)) +
           ", \"expectedLow\": " + std::to_string(random.lowWon) +
           ", \"expectedHigh\": " + std::to_string(random.highWon);
}

std::string JsonDraw(const LedgerDraw& row) {
    std::string json = "    {\"draw\": " + std::to_string(row.result.drawNumber) +
                       ", \"date\": " + JsonQuote(row.date) +
                       ", \"tickets\": " + std::to_string(row.result.tickets) +
                       ", \"spent\": " + std::to_string(row.spent) +
                       ", \"wins\": " + JsonWins(row.result.wins) + ", \"won\": ";
    if (!row.hasPrizes) {
        return json + "null}";
    }
    return json + std::to_string(row.result.Won()) + ", " + JsonRandom(row.random) +
           ", \"cumulativeSpent\": " + std::to_string(row.cumulativeSpent) +
           ", \"cumulativeWon\": " + std::to_string(row.cumulativeWon) + "}";
}

}  // namespace

ResultGrid TicketLedgerGrid(const TicketLedger& ledger, YenStyle style) {
    ResultGrid grid;
    static_assert(std::size(kColumnWidths) == std::size(kColumns));
    // The titles are the first row, so that the text and the CSV carry them too.
    grid.SetHeadersVisible(false, false);
    grid.SetColumnCount(kColumnCount);
    grid.SetRowCount(static_cast<int>(ledger.draws.size()) + 2);
    for (int c = 0; c < kColumnCount; ++c) {
        grid.SetCellText(c + 1, 1, kColumns[c]);
    }
    for (int c = 0; c < kColumnCount; ++c) {
        grid.SetColumnWidth(c + 1, kColumnWidths[c]);
    }
    grid.Block(1, 1, kColumnCount, grid.RowCount()).SetCellBorder(border::kAll);
    grid.Block(1, 1, kColumnCount, 1).SetBackColor(MakeRgb(224, 224, 224));
    grid.Block(1, grid.RowCount(), kColumnCount, grid.RowCount())
        .SetBackColor(MakeRgb(255, 255, 204));
    grid.SetBlockMode(false);
    grid.ActivateCell(0, 0);
    int row = 2;
    for (const LedgerDraw& d : ledger.draws) {
        grid.SetCellText(1, row, "第" + std::to_string(d.result.drawNumber) + "回");
        grid.SetCellText(2, row, d.date);
        FillFigures(grid, row, d.result.tickets, d.result.wins, d.hasPrizes, d.spent,
                    d.result.Won(), d.random, style);
        grid.SetCellText(14, row, Yen(d.cumulativeSpent, style));
        grid.SetCellText(15, row, Yen(d.cumulativeWon, style));
        grid.SetCellText(16, row, Yen(Rounded(d.cumulativeExpected), style));
        ++row;
    }
    grid.SetCellText(1, row, "合計");
    FillFigures(grid, row, ledger.tickets, ledger.wins, true, ledger.spent, ledger.won,
                ledger.random, style);
    return grid;
}

std::string TicketLedgerSummary(const TicketLedger& ledger) {
    if (ledger.draws.empty()) {
        return "当選データにある回の購入した数字はまだありません。\n";
    }
    const int draws = static_cast<int>(ledger.draws.size());
    std::string text =
        std::to_string(draws) + "回・" + std::to_string(ledger.tickets) + "口を購入しました。";
    if (ledger.drawsWithPrizes < draws) {
        text += "賞金データのない" + std::to_string(draws - ledger.drawsWithPrizes) +
                "回は金額に含めていません。";
    }
    text += "\n購入額 " + YenText(ledger.spent) + "、当せん金 " + YenText(ledger.won) + "、収支 " +
            YenText(ledger.won - ledger.spent);
    if (ledger.spent > 0) {
        text += "、回収率 " + ReturnRateText(static_cast<double>(ledger.won), ledger.spent);
    }
    text += "\n同じ口数を無作為に買った場合の当せん金：平均 " +
            YenText(Rounded(ledger.random.expectedWon)) + "、95%範囲 " +
            RangeText(ledger.random, YenStyle::kReadable) + "\n";
    return text;
}

std::string TicketLedgerToText(const TicketLedger& ledger) {
    return "収支\n" + GridToText(TicketLedgerGrid(ledger, YenStyle::kReadable)) + "\n" +
           TicketLedgerSummary(ledger);
}

std::string TicketLedgerToCsv(const TicketLedger& ledger) {
    // With the BOM of the other CSV outputs: spreadsheets read UTF-8 only with it.
    return "\xEF\xBB\xBF" + GridToCsv(TicketLedgerGrid(ledger, YenStyle::kInteger));
}

std::string TicketLedgerToJson(const TicketLedger& ledger) {
    std::string json = "{\n  \"draws\": [\n";
    for (std::size_t i = 0; i < ledger.draws.size(); ++i) {
        json += JsonDraw(ledger.draws[i]) + (i + 1 < ledger.draws.size() ? ",\n" : "\n");
    }
    json += "  ],\n  \"total\": {\"draws\": " + std::to_string(ledger.draws.size()) +
            ", \"drawsWithPrizes\": " + std::to_string(ledger.drawsWithPrizes) +
            ", \"tickets\": " + std::to_string(ledger.tickets) +
            ", \"spent\": " + std::to_string(ledger.spent) +
            ", \"won\": " + std::to_string(ledger.won) + ", \"wins\": " + JsonWins(ledger.wins) +
            ", \"amounts\": {";
    for (std::size_t c = 0; c < ledger.wonByClass.size(); ++c) {
        json += (c == 0 ? "" : ", ") + JsonQuote(kPrizeClassNames[c]) + ": " +
                std::to_string(ledger.wonByClass[c]);
    }
    return json + "}, " + JsonRandom(ledger.random) + "}\n}\n";
}

std::string SavedTicketsToText(const std::vector<SavedTicket>& tickets) {
    if (tickets.empty()) {
        return "購入した数字はありません。\n";
    }
    std::string text;
    for (const SavedTicket& ticket : tickets) {
        text += "番号" + std::to_string(ticket.id) + "  " + DescribeTicketNumbers(ticket) + "  " +
                DescribeTicketDraws(ticket) + "\n";
    }
    return text;
}

}  // namespace pirumo
