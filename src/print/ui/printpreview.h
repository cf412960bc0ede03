#pragma once

#include "print/printdocument.h"

class QWidget;

namespace pirumo {

// Shows the print preview of `document` over `parent` (A4, landscape for wide grids), from which
// the user prints or saves a PDF; the paper and orientation chosen there are honoured. Returns
// when the preview is closed.
void OpenPrintPreview(const PrintDocument& document, QWidget* parent);

}  // namespace pirumo
