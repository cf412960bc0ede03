#pragma once

#include <string>
#include <vector>

namespace pirumo {

// What a series stands for. The drawing module gives each role one colour, so that every chart
// of the program reads the same way: the history in red, chance in grey and pale blue.
enum class ChartRole {
    Observed,     // what the history (or the player) did
    Expected,     // what chance gives on average
    ChanceRange,  // the range that holds 95 % of fair histories
    Above,        // marked as above its chance range (hot)
    Below,        // marked as below its chance range (cold)
    Gain,         // money won
    Loss,         // money spent
};

enum class ChartSeriesKind {
    Bars,    // one bar per x; several bar series stand side by side
    Line,    // points joined in x order
    Band,    // the area between `low` and `y`
    Points,  // marks at single points, with `labels` beside them
};

struct ChartSeries {
    ChartSeriesKind kind = ChartSeriesKind::Line;
    ChartRole role = ChartRole::Observed;
    std::string name = {};  // in the legend; an empty name stays out of it
    // With categories, x is the category's index (0, 1, …); bars always stand on categories.
    std::vector<double> x = {};
    std::vector<double> y = {};
    std::vector<double> low = {};          // a band's lower edge, one per x
    std::vector<std::string> labels = {};  // marks only: the text beside each mark, or none
    bool emphasised = false;               // a thicker line for the series the chart is about

    bool operator==(const ChartSeries&) const = default;
};

struct ChartAxis {
    std::string title = {};
    int decimals = 0;  // of the tick labels
    // The shown range; when both are 0 it is taken from the data (a value axis from 0 up).
    double min = 0;
    double max = 0;
    bool roundTicks = false;  // widen a given range to round tick values

    bool operator==(const ChartAxis&) const = default;
};

// A chart as plain data: made in the core from a result, drawn by the chart module on screen,
// on paper and into PNG files.
struct Chart {
    std::string title = {};
    ChartAxis x;
    ChartAxis y;
    std::vector<std::string> categories = {};  // names along x; empty for a numeric x
    std::vector<ChartSeries> series = {};      // drawn in order, the last on top

    bool operator==(const Chart&) const = default;
};

}  // namespace pirumo
