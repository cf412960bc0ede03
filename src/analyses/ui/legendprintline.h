#pragma once

#include <vector>

#include "analyses/ui/analysiswindowlayout.h"
#include "print/printdocument.h"

namespace pirumo {

// A window's legend as one line of its printout: captions that explain no mark become the line's
// caption; each ball or swatch takes the first caption after it not yet taken as its meaning
// (the group windows put both balls before both captions). Empty for a window without a legend.
PrintLine LegendPrintLine(const std::vector<LegendControl>& legend);

}  // namespace pirumo
