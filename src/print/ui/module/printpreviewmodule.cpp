// Built as the module pirumo_printsupport: the only code of the program that links Qt
// PrintSupport, loaded when the user first opens a print preview.
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/ui/printpreviewrequest.h"

extern "C" Q_DECL_EXPORT void PirumoOpenPrintPreview(const pirumo::PrintPreviewRequest& request,
                                                     QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request.caption);
    printer.setPageLayout(request.pageLayout);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(request.caption + QStringLiteral(" - 印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&request, &dialog](QPrinter* device) {
                         if (request.mayWriteTo(device->outputFileName(), &dialog)) {
                             request.paint(*device);
                         }
                     });
    dialog.exec();
}
