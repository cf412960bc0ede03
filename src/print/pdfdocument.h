#pragma once

#include <QByteArray>
#include <QPageSize>

#include "print/printdocument.h"

namespace pirumo {

// The document's pages as a PDF on `size` paper, oriented as DefaultPageLayout chooses, with the
// fonts embedded and the text selectable. Needs a QGuiApplication (the offscreen platform will
// do).
QByteArray DocumentToPdf(const PrintDocument& document,
                         const QPageSize& size = QPageSize(QPageSize::A4));

}  // namespace pirumo
