#include <gtest/gtest.h>

#include <cmath>

#include "prediction/money/yentext.h"
#include "prediction/tickets/ticketcheck.h"
#include "prediction/tickets/ticketledger.h"
#include "prediction/tickets/ticketledgerchart.h"
#include "prediction/tickets/ticketledgerexport.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

SavedTicket Ticket(int id, std::array<int, 5> numbers, int first, std::optional<int> last) {
    return {id, numbers, first, last};
}

DrawPrizes Prizes(std::int64_t first, std::int64_t second, std::int64_t third,
                  std::int64_t fourth) {
    DrawPrizes prizes;
    prizes.amount = {first, second, third, fourth};
    prizes.winners = {1, 5, 100, 3000};
    return prizes;
}

Draw Priced(Draw draw, const DrawPrizes& prizes) {
    draw.prizes = prizes;
    return draw;
}

TEST(TicketCheck, OneLinePerDrawSomeTicketWasBoughtFor) {
    const std::vector<SavedTicket> tickets = {
        Ticket(1, {2, 9, 15, 22, 27}, 1354, 1354),
        Ticket(2, {2, 9, 15, 22, 30}, 1354, std::nullopt),
        Ticket(3, {1, 3, 5, 7, 11}, 1355, 1355),
    };
    const std::vector<Draw> draws = {
        MakeDraw(1353, {2, 9, 15, 22, 27}, 4),  // bought for by nobody
        Priced(MakeDraw(1354, {2, 9, 15, 22, 28}, 30), Prizes(9947500, 160000, 12000, 1000)),
        MakeDraw(1355, {2, 9, 15, 24, 26}, 4),  // no prize data yet
        Priced(MakeDraw(1356, {1, 4, 6, 8, 10}, 12), Prizes(9000000, 150000, 11000, 900)),
        MakeDraw(1357, {0, 9, 15, 24, 26}, 4),  // not a valid draw
    };
    EXPECT_EQ(TicketResultLines(tickets, draws),
              (std::vector<std::string>{
                  "第1354回：あなたの数字 2口のうち 2等 1口（160,000円）、3等 1口（12,000円）",
                  "第1355回：あなたの数字 2口のうち 4等 1口（賞金データなし）",
                  "第1356回：あなたの数字 1口のうち 当せんなし",
              }));
    EXPECT_TRUE(TicketResultLines({}, draws).empty());

    // Many new draws at once: the newest lines, after one that counts the rest.
    const std::vector<std::string> many = {"a", "b", "c", "d", "e"};
    EXPECT_EQ(NewestTicketResultLines(many, 5), many);
    EXPECT_EQ(
        NewestTicketResultLines(many, 2),
        (std::vector<std::string>{
            "ほかに前の3回分があります（「購入した数字」の収支で確かめられます）。", "d", "e"}));
}

TEST(TicketCheck, NewDrawsAreTheValidOnesTheOldHistoryLacked) {
    const DrawHistory before({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {0, 2, 3, 4, 5}, 6)});
    const DrawHistory after({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 2, 3, 4, 5}, 6),
                             MakeDraw(3, {1, 2, 3, 4, 5}, 6), MakeDraw(4, {0, 2, 3, 4, 5}, 6)});
    std::vector<int> added;
    for (const Draw& d : NewDraws(before, after)) {
        added.push_back(d.drawNumber);
    }
    EXPECT_EQ(added, (std::vector<int>{2, 3}));
}

// A history where every draw has prizes except a few, and tickets of every kind.
DrawHistory LedgerHistory() {
    std::vector<Draw> rows;
    for (int n = 1; n <= 60; ++n) {
        const auto number = [n](int offset) { return (n * 7 + offset) % 31 + 1; };
        Draw draw =
            MakeDraw(n, {number(0), number(3), number(8), number(13), number(21)}, number(27));
        if (n % 10 != 0) {
            draw.prizes = Prizes(8000000 + n, 150000 + n, 10000 + n, 900 + n);
        }
        rows.push_back(draw);
    }
    return DrawHistory(rows);
}

TEST(TicketLedger, TotalsEqualADirectSumOverTheDrawsWithPrizes) {
    const DrawHistory history = LedgerHistory();
    const std::vector<SavedTicket> tickets = {
        Ticket(1, {1, 4, 8, 9, 14}, 1, std::nullopt), Ticket(2, {8, 11, 16, 24, 30}, 5, 40),
        Ticket(3, {2, 3, 5, 7, 11}, 30, 30), Ticket(4, {1, 2, 3, 4, 5}, 61, 61)};
    const TicketLedger ledger = MakeTicketLedger(history, tickets);

    std::int64_t spent = 0;
    std::int64_t won = 0;
    double expected = 0;
    int draws = 0;
    int priced = 0;
    std::array<int, kPrizeClassCount> wins{};
    history.ForEachValidDraw([&](const Draw& draw) {
        int bought = 0;
        for (const SavedTicket& t : tickets) {
            if (!t.Covers(draw.drawNumber)) {
                continue;
            }
            ++bought;
            const PrizeClass prize = ClassifyTicket(t.numbers, draw);
            if (prize != kNoPrize) {
                ++wins[prize];
                if (draw.prizes) {
                    won += draw.prizes->amount[prize];
                }
            }
        }
        draws += bought > 0;
        if (bought > 0 && draw.prizes) {
            ++priced;
            spent += 200 * bought;
            for (int c = 0; c < kPrizeClassCount; ++c) {
                expected += bought * PrizeProbability(c) * draw.prizes->amount[c];
            }
        }
    });
    EXPECT_EQ(static_cast<int>(ledger.draws.size()), draws);
    EXPECT_EQ(ledger.drawsWithPrizes, priced);
    EXPECT_EQ(ledger.spent, spent);
    EXPECT_EQ(ledger.won, won);
    EXPECT_EQ(ledger.wins, wins);
    EXPECT_GT(won, 0);  // the tickets do win something here, so the sum is tested
    EXPECT_NEAR(ledger.random.expectedWon, expected, 1e-6);
    EXPECT_NEAR(ledger.draws.back().cumulativeExpected, expected, 1e-6);
    EXPECT_LE(static_cast<double>(ledger.random.lowWon), ledger.random.expectedWon);
    EXPECT_GE(static_cast<double>(ledger.random.highWon), ledger.random.expectedWon);
    // The chart's running range reaches the last draw and only grows.
    ASSERT_FALSE(ledger.rangePoints.empty());
    EXPECT_EQ(ledger.rangePoints.back().drawNumber, ledger.draws.back().result.drawNumber);
    for (std::size_t k = 1; k < ledger.rangePoints.size(); ++k) {
        EXPECT_LE(ledger.rangePoints[k - 1].high, ledger.rangePoints[k].high);
        EXPECT_LE(ledger.rangePoints[k].low, ledger.rangePoints[k].high);
    }
    EXPECT_EQ(ledger.draws.back().cumulativeSpent, spent);
    EXPECT_EQ(ledger.draws.back().cumulativeWon, won);

    // The chart ends where the totals are.
    const Chart chart = TicketLedgerChart(ledger);
    ASSERT_EQ(chart.series.size(), 4u);
    EXPECT_EQ(chart.series[3].y.back(), static_cast<double>(won));
    EXPECT_EQ(chart.series[2].y.back(), static_cast<double>(spent));
    EXPECT_EQ(chart.series[0].low.back(), static_cast<double>(ledger.rangePoints.back().low));
    EXPECT_EQ(static_cast<int>(chart.series[1].x.size()), priced);

    const std::string json = TicketLedgerToJson(ledger);
    EXPECT_NE(
        json.find("\"spent\": " + std::to_string(spent) + ", \"won\": " + std::to_string(won)),
        std::string::npos)
        << json;
    const std::string text = TicketLedgerToText(ledger);
    EXPECT_NE(text.find("購入額 " + YenText(spent) + "、当せん金 " + YenText(won)),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("賞金データのない" + std::to_string(draws - priced) + "回"),
              std::string::npos);
    // Integers in the CSV, the total last.
    const std::string csv = TicketLedgerToCsv(ledger);
    EXPECT_NE(csv.find("合計," + std::string(",") + std::to_string(ledger.tickets) + "," +
                       std::to_string(spent)),
              std::string::npos)
        << csv;
}

// The simulated range is reproducible, and wide enough for what one ticket wins at most.
TEST(TicketLedger, TheRandomRangeIsTheSameOnEveryRun) {
    const DrawHistory history = LedgerHistory();
    const std::vector<SavedTicket> tickets = {Ticket(1, {1, 2, 3, 4, 5}, 1, std::nullopt)};
    const TicketLedger a = MakeTicketLedger(history, tickets);
    const TicketLedger b = MakeTicketLedger(history, tickets);
    EXPECT_EQ(TicketLedgerToJson(a), TicketLedgerToJson(b));
    // 54 tickets at about 1 in 50 for 4等 or better: a third of the runs win nothing, most of
    // the others a 4等 or two; a 2等 (1 in 34,000 a ticket) is far outside the range.
    EXPECT_EQ(a.random.lowWon, 0);
    EXPECT_GT(a.random.highWon, 900);
    EXPECT_LT(a.random.highWon, 150000);
}

}  // namespace
}  // namespace pirumo
