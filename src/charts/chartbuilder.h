#pragma once

#include <QChart>

#include "chart/chart.h"

namespace pirumo {

// The Qt chart that draws a chart description, owned by the caller.
QChart* BuildChart(const Chart& chart);

}  // namespace pirumo
