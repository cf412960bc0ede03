#include "prediction/garuponpredictor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "history/store/samplehistory.h"

namespace pirumo {
namespace {

DrawHistory RandomHistory(int count, unsigned seed) {
    return DrawHistory(MakeSampleHistory(count, seed));
}

using Texts = std::vector<std::vector<std::string>>;

Texts TextsOf(const ResultGrid& grid) {
    Texts texts;
    for (int row = 1; row <= grid.RowCount(); ++row) {
        texts.emplace_back();
        for (int column = 1; column <= grid.ColumnCount(); ++column) {
            texts.back().push_back(grid.CellText(column, row));
        }
    }
    return texts;
}

std::vector<Texts> AllTexts(const GaruponPredictor& p) {
    std::vector<Texts> all;
    for (int index = 0; index < kPredictionGridCount; ++index) {
        all.push_back(TextsOf(p.Grid(index)));
    }
    return all;
}

TEST(GaruponPredictorTest, GridsAreLaidOutAsTheWindowShowsThem) {
    GaruponPredictor p;
    p.Load(RandomHistory(60, 1));
    const std::string header = std::string(19, ' ') + "本 数 字" + std::string(26, ' ');
    const Rgb blue = MakeRgb(0, 0, 255);
    const Rgb pink = MakeRgb(255, 200, 200);
    for (int index = 0; index < kPredictionGridCount; ++index) {
        const ResultGrid& g = p.Grid(index);
        SCOPED_TRACE(index);
        EXPECT_EQ(g.ColumnCount(), 6);
        EXPECT_EQ(g.RowCount(), 5 - index);
        EXPECT_EQ(g.VisibleColumns(), 6);
        EXPECT_EQ(g.VisibleRows(), 5 - index);
        EXPECT_FALSE(g.ColumnHeadersVisible());
        EXPECT_FALSE(g.RowHeadersVisible());
        EXPECT_EQ(g.GetScrollBars(), ScrollBars::None);
        EXPECT_TRUE(g.AllowOverflow());
        EXPECT_DOUBLE_EQ(g.ColumnWidth(1), 9.0);
        for (int column = 2; column <= 6; ++column) {
            EXPECT_DOUBLE_EQ(g.ColumnWidth(column), 5.0);
        }
        for (int row = 1; row <= g.RowCount(); ++row) {
            EXPECT_DOUBLE_EQ(g.RowHeight(row), 10.0);
        }
        EXPECT_EQ(g.CellText(2, 1), header);
        EXPECT_EQ(g.StyleAt(2, 1).align, HAlign::Left);
        for (int column = 1; column <= 6; ++column) {
            EXPECT_EQ(g.StyleAt(column, 1).fore, blue);
            EXPECT_EQ(g.StyleAt(column, 1).back, pink);
            if (column >= 2) {
                EXPECT_EQ(g.StyleAt(column, 1).borders, 0);
            }
        }
        for (int row = 2; row <= g.RowCount(); ++row) {
            for (int column = 1; column <= 6; ++column) {
                EXPECT_EQ(g.StyleAt(column, row).align, HAlign::Center);
                EXPECT_EQ(g.StyleAt(column, row).type, CellType::StaticText);
                EXPECT_EQ(g.StyleAt(column, row).fore, 0u);
            }
        }
        EXPECT_EQ(g.ActiveColumn(), 0);
        EXPECT_EQ(g.ActiveRow(), 0);
    }

    const ResultGrid& cycle = p.Grid(kCycleGrid);
    EXPECT_EQ(cycle.CellText(1, 2), " 7回周期法");
    EXPECT_EQ(cycle.CellText(1, 3), " 9回周期法");
    EXPECT_EQ(cycle.CellText(1, 4), "11回周期法");
    EXPECT_EQ(cycle.CellText(1, 5), "12回周期法");
    EXPECT_EQ(cycle.StyleAt(1, 3).borders, border::kTop | border::kBottom | border::kRight);
    EXPECT_EQ(cycle.StyleAt(4, 3).borders, border::kTop | border::kBottom);
    EXPECT_EQ(cycle.StyleAt(1, 1).borders, border::kTop | border::kBottom | border::kRight);

    const ResultGrid& elimination = p.Grid(kEliminationGrid);
    EXPECT_EQ(elimination.CellText(1, 3), "消去法");
    EXPECT_EQ(elimination.CellText(1, 2), "");
    for (int row = 2; row <= 4; ++row) {
        EXPECT_EQ(elimination.StyleAt(1, row).borders, 0);
        EXPECT_EQ(elimination.StyleAt(3, row).borders, border::kAll);
    }
    EXPECT_EQ(elimination.StyleAt(1, 1).borders, border::kAll);

    const ResultGrid& rapidFire = p.Grid(kRapidFireGrid);
    EXPECT_EQ(rapidFire.CellText(1, 2), "連発予想");
    EXPECT_EQ(rapidFire.StyleAt(1, 2).borders, 0);
    EXPECT_EQ(rapidFire.StyleAt(1, 3).borders, 0);

    const ResultGrid& oneShot = p.Grid(kOneShotGrid);
    EXPECT_EQ(oneShot.CellText(1, 2), "１発予想");
    EXPECT_EQ(oneShot.StyleAt(1, 2).borders, border::kAll);
}

TEST(GaruponPredictorTest, ReopeningShowsTheSameNumbers) {
    const DrawHistory history = RandomHistory(400, 2);
    GaruponPredictor p;
    p.Options().reflect[4] = true;
    p.Load(history);
    const auto first = AllTexts(p);
    p.Load(history);
    EXPECT_EQ(AllTexts(p), first);
}

TEST(GaruponPredictorTest, AnOptionChangesOnlyTheThreeDependentGrids) {
    const DrawHistory history = RandomHistory(400, 3);
    GaruponPredictor p;
    p.Load(history);
    const auto before = AllTexts(p);
    const CycleTable cycles = p.Prediction().cycles;
    p.SetOption(8, true);
    const auto after = AllTexts(p);
    EXPECT_EQ(after[kCycleGrid], before[kCycleGrid]);
    EXPECT_EQ(p.Prediction().cycles, cycles);
    EXPECT_NE(after[kEliminationGrid], before[kEliminationGrid]);
    EXPECT_EQ(p.Options().CountReflected(), 1);
}

TEST(GaruponPredictorTest, OptionClicksGiveWhatAFreshLoadGives) {
    const DrawHistory history = RandomHistory(500, 4);
    GaruponPredictor clicked;
    clicked.Load(history);
    for (int index : {2, 7, 0, 11, 5, 3}) {
        clicked.SetOption(index, true);
        GaruponPredictor fresh;
        fresh.Options() = clicked.Options();
        fresh.Load(history);
        EXPECT_EQ(AllTexts(clicked), AllTexts(fresh)) << "after option " << index;
    }
    clicked.SetOption(7, false);
    GaruponPredictor fresh;
    fresh.Options() = clicked.Options();
    fresh.Load(history);
    EXPECT_EQ(AllTexts(clicked), AllTexts(fresh));
}

TEST(GaruponPredictorTest, OnlyTheCountOfReflectedOptionsMatters) {
    const DrawHistory history = RandomHistory(300, 5);
    GaruponPredictor a;
    a.Options().reflect[0] = true;
    a.Options().reflect[9] = true;
    a.Load(history);
    GaruponPredictor b;
    b.Options().reflect[4] = true;
    b.Options().reflect[11] = true;
    b.Load(history);
    EXPECT_EQ(AllTexts(a), AllTexts(b));
}

// The numbers a grid shows, row by row from row 2, columns 2..6, empty cells left out.
PredictionRows ShownNumbers(const ResultGrid& grid) {
    PredictionRows rows;
    for (int row = 2; row <= grid.RowCount(); ++row) {
        std::vector<int>& numbers = rows.emplace_back();
        for (int column = 2; column <= 6; ++column) {
            if (const std::string& text = grid.CellText(column, row); !text.empty()) {
                numbers.push_back(std::stoi(text));
            }
        }
    }
    return rows;
}

// The backtest and the prediction log take the rows from the result, the window from the grids:
// both must hold the same numbers, also on short histories whose cycle slots have gaps.
TEST(GaruponPredictorTest, TheGridsShowTheRowsOfThePrediction) {
    for (const int draws : {0, 10, 14, 30, 400}) {
        for (const int reflected : {0, 12}) {
            GaruponPredictor p;
            p.Options().reflect.fill(reflected == 12);
            p.Load(RandomHistory(draws, 8));
            for (int index = 0; index < kPredictionGridCount; ++index) {
                EXPECT_EQ(ShownNumbers(p.Grid(index)), p.Prediction().Rows(index))
                    << draws << " draws, " << reflected << " options, grid " << index;
            }
        }
    }
}

// Too short a history shows no numbers and says why, instead of numbers read from draws that are
// not there; every reflected option reaches one draw further back.
TEST(GaruponPredictorTest, ShortHistoryShowsNoNumbersAndSaysWhy) {
    struct Case {
        int draws;
        int reflected;
        bool predicts;
    };
    for (const Case c : {Case{0, 0, false}, Case{9, 0, false}, Case{10, 0, true},
                         Case{21, 12, false}, Case{22, 12, true}}) {
        GaruponPredictor p;
        std::fill_n(p.Options().reflect.begin(), c.reflected, true);
        EXPECT_NO_THROW(p.Load(RandomHistory(c.draws, 6)));
        EXPECT_EQ(p.Shortage().empty(), c.predicts) << c.draws << " draws";
        bool anyNumber = false;
        for (int method = 0; method < kMethodCount; ++method) {
            for (const auto& row : p.Prediction().Rows(method)) {
                anyNumber = anyNumber || !row.empty();
            }
        }
        EXPECT_EQ(anyNumber, c.predicts) << c.draws << " draws";
    }
}

}  // namespace
}  // namespace pirumo
