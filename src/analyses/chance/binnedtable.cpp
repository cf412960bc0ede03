#include "analyses/chance/binnedtable.h"

#include <algorithm>

#include "analyses/chance/chancemodel.h"

namespace pirumo {

namespace {

std::size_t ClassOf(const ValueClasses& classes, int value) {
    return static_cast<std::size_t>(
        std::lower_bound(classes.bounds.begin(), classes.bounds.end(), value) -
        classes.bounds.begin());
}

std::string LabelOf(const ValueClasses& classes, std::size_t index) {
    const int first = index == 0 ? classes.lowest : classes.bounds[index - 1] + 1;
    if (index == classes.bounds.size()) {
        return std::to_string(first) + classes.suffix + "以上";
    }
    const int last = classes.bounds[index];
    const std::string label =
        first == last ? std::to_string(first) : std::to_string(first) + "～" + std::to_string(last);
    return label + classes.suffix;
}

}  // namespace

ChanceTable BinnedTable(std::string title, std::string unit, const ValueClasses& classes,
                        const std::vector<double>& probability, const std::vector<int>& values,
                        int trials) {
    std::vector<ChanceClass> bins(classes.bounds.size() + 1);
    for (std::size_t i = 0; i < bins.size(); ++i) {
        bins[i].label = LabelOf(classes, i);
    }
    for (std::size_t v = 0; v < probability.size(); ++v) {
        if (static_cast<int>(v) >= classes.lowest) {
            bins[ClassOf(classes, static_cast<int>(v))].probability += probability[v];
        }
    }
    for (int value : values) {
        if (value >= classes.lowest) {
            ++bins[ClassOf(classes, value)].observed;
        }
    }
    return DistributionTable(std::move(title), std::move(unit), bins, trials);
}

}  // namespace pirumo
