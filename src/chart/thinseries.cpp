#include "chart/thinseries.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace pirumo {

namespace {

std::vector<double> Picked(const std::vector<double>& values, const std::vector<std::size_t>& at) {
    std::vector<double> picked;
    picked.reserve(at.size());
    for (const std::size_t i : at) {
        picked.push_back(values[i]);
    }
    return picked;
}

}  // namespace

void ThinSeries(ChartSeries& series, int columns) {
    const bool band = series.kind == ChartSeriesKind::Band;
    const std::size_t count = series.x.size();
    if ((series.kind != ChartSeriesKind::Line && !band) || columns < 1 ||
        count <= 4 * static_cast<std::size_t>(columns)) {
        return;
    }
    const double first = series.x.front();
    const double span = series.x.back() - first;
    const auto columnOf = [&](std::size_t i) {
        return span <= 0
                   ? 0
                   : std::min(columns - 1,
                              static_cast<int>(std::floor((series.x[i] - first) / span * columns)));
    };
    std::vector<std::size_t> kept;
    for (std::size_t start = 0; start < count;) {
        const int column = columnOf(start);
        std::size_t end = start + 1;
        std::size_t lowest = start;
        std::size_t highest = start;
        for (; end < count && columnOf(end) == column; ++end) {
            const double low = band ? series.low[end] : series.y[end];
            if (low < (band ? series.low[lowest] : series.y[lowest])) {
                lowest = end;
            }
            if (series.y[end] > series.y[highest]) {
                highest = end;
            }
        }
        const std::size_t last = end - 1;
        const std::size_t middle[] = {std::min(lowest, highest), std::max(lowest, highest)};
        kept.push_back(start);
        for (const std::size_t i : middle) {
            if (i != kept.back() && i != last) {
                kept.push_back(i);
            }
        }
        if (last != kept.back()) {
            kept.push_back(last);
        }
        start = end;
    }
    series.x = Picked(series.x, kept);
    series.y = Picked(series.y, kept);
    if (band) {
        series.low = Picked(series.low, kept);
    }
}

}  // namespace pirumo
