#include "print/ui/printpreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>

#include "base/fileerror.h"
#include "base/protectedoutput.h"
#include "print/documentpainter.h"
#include "print/pagelayout.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

// A PDF saved from the preview is refused, before the printer opens the file, when its name
// leads to the history or its backup.
bool MayWriteTo(const QPrinter& printer, QWidget* parent) {
    if (printer.outputFileName().isEmpty()) {
        return true;
    }
    try {
        RefuseProtectedOutput(std::filesystem::path(printer.outputFileName().toStdU16String()));
    } catch (const FileError& error) {
        ShowRefusal(parent, QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

}  // namespace

void OpenPrintPreview(const PrintDocument& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.caption);
    printer.setPageLayout(DefaultPageLayout(document));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(document.caption + QStringLiteral(" - 印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&document, &dialog](QPrinter* device) {
                         if (MayWriteTo(*device, &dialog)) {
                             PaintDocument(document, *device);
                         }
                     });
    dialog.exec();
}

}  // namespace pirumo
