#include "prediction/backtest/backtestmoneygrid.h"

#include <array>
#include <string>

#include "prediction/money/moneytext.h"
#include "prediction/money/yentext.h"

namespace pirumo {

namespace {

std::string MoneyVerdict(const MethodMoney& money) {
    if (money.random.tickets == 0) {
        return "―";
    }
    if (money.won > money.random.highWon) {
        return "偶然より多い";
    }
    if (money.won < money.random.lowWon) {
        return "偶然より少ない";
    }
    return "偶然の範囲内";
}

}  // namespace

void FillBacktestMoneyGrid(const BacktestMoney& money, ResultGrid& grid) {
    constexpr int kColumns = 8;
    constexpr int kRows = 1 + kMethodCount;
    grid = ResultGrid();
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(kRows);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::None);
    grid.SetVisibleSize(kColumns, kRows);
    grid.SetRowHeight(ResultGrid::kAll, 12.0);
    grid.Block(1, 1, kColumns, kRows);
    grid.SetAlignment(HAlign::Center);
    grid.SetCellBorder(border::kAll, MakeRgb(192, 192, 192));
    grid.Block(1, 1, kColumns, 1);
    grid.SetBackColor(MakeRgb(255, 200, 200));
    grid.SetForeColor(MakeRgb(0, 0, 255));
    grid.SetBlockMode(false);
    const std::array<const char*, kColumns> headings{
        "方法",   "口数",           "購入額",          "当せん金",
        "回収率", "無作為の期待値", "無作為の95%範囲", "判定"};
    const std::array<double, kColumns> widths{8, 7, 11, 11, 8, 12, 20, 12};
    for (int c = 1; c <= kColumns; ++c) {
        grid.SetColumnWidth(c, widths[static_cast<std::size_t>(c - 1)]);
        grid.SetCellText(c, 1, headings[static_cast<std::size_t>(c - 1)]);
    }
    for (int m = 0; m < kMethodCount; ++m) {
        const MethodMoney& method = money[static_cast<std::size_t>(m)];
        const RandomTicketWinnings& random = method.random;
        const int row = m + 2;
        grid.SetCellText(1, row, kMethodNames[static_cast<std::size_t>(m)]);
        grid.SetCellText(2, row, GroupedDigits(random.tickets));
        grid.SetCellText(3, row, YenText(random.spent));
        grid.SetCellText(4, row, YenText(method.won));
        grid.SetCellText(5, row, ReturnRateText(static_cast<double>(method.won), random.spent));
        grid.SetCellText(6, row, YenText(RoundedYen(random.expectedWon)));
        grid.SetCellText(7, row, YenText(random.lowWon) + "～" + YenText(random.highWon));
        grid.SetCellText(8, row, MoneyVerdict(method));
    }
    grid.ActivateCell(0, 0);
}

std::string BacktestMoneyNote(const BacktestResult& result) {
    RandomTicketWinnings covered;
    covered.draws = static_cast<int>(result.draws.size());
    for (const BacktestDraw& d : result.draws) {
        covered.coveredDraws += d.prizes ? 1 : 0;
    }
    if (covered.coveredDraws == 0) {
        return "賞金のデータがないため、金額は計算できません。";
    }
    return CoveredDrawsText(covered) + "で、各方法の行を1口（" + YenText(kTicketPrice) +
           "）ずつ毎回買った場合の金額です。無作為の期待値と範囲は、同じ口数を無作為に選んで"
           "買った場合です（範囲は 95 %）。";
}

}  // namespace pirumo
