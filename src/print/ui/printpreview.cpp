#include "print/ui/printpreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/documentpainter.h"
#include "print/pagelayout.h"

namespace pirumo {

void OpenPrintPreview(const PrintDocument& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.caption);
    printer.setPageLayout(DefaultPageLayout(document));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(document.caption + QStringLiteral(" - 印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&document](QPrinter* device) { PaintDocument(document, *device); });
    dialog.exec();
}

}  // namespace pirumo
