#pragma once

#include "print/printdocument.h"

class QPagedPaintDevice;

namespace pirumo {

// Lays the document out on the device's pages as its page layout gives them (paper, orientation
// and margins as chosen) and paints every page: heading, blocks, `n / N` at the foot. Returns
// the number of pages, 0 when the device could not be painted on.
int PaintDocument(const PrintDocument& document, QPagedPaintDevice& device);

}  // namespace pirumo
