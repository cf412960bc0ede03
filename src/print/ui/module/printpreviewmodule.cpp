// The print preview module: the only code of the program that links Qt PrintSupport, loaded when
// the user first opens a print preview.
#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/ui/printpreviewrequest.h"

namespace pirumo {

namespace {

class QtPrintSupportModule : public QObject, public PrintPreviewModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PIRUMO_PRINT_PREVIEW_MODULE_IID)
    Q_INTERFACES(pirumo::PrintPreviewModule)

public:
    void Open(const PrintPreviewRequest& request, QWidget* parent) override {
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
};

}  // namespace

}  // namespace pirumo

#include "printpreviewmodule.moc"
