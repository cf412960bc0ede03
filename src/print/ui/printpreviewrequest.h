#pragma once

#include <QPageLayout>
#include <QString>
#include <QtPlugin>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace pirumo {

// What the print preview module needs to show a document: the printer and its dialogs are its
// own, the pages are painted by the program.
struct PrintPreviewRequest {
    QString caption;
    QPageLayout pageLayout;
    // Asked before the printer opens a PDF file chosen in the preview; false refuses it (the
    // refusal shown over `dialog`).
    std::function<bool(const QString& outputFile, QWidget* dialog)> mayWriteTo;
    std::function<void(QPagedPaintDevice& device)> paint;
};

// What the print preview module (Qt PrintSupport, loaded on the first preview) does for the
// program.
class PrintPreviewModule {
public:
    static constexpr char kModuleName[] = "pirumo-printsupport";

    virtual ~PrintPreviewModule() = default;

    // Shows the preview over `parent` and returns when it is closed.
    virtual void Open(const PrintPreviewRequest& request, QWidget* parent) = 0;
};

}  // namespace pirumo

#define PIRUMO_PRINT_PREVIEW_MODULE_IID "jp.pirumo.PrintPreviewModule/1"
Q_DECLARE_INTERFACE(pirumo::PrintPreviewModule, PIRUMO_PRINT_PREVIEW_MODULE_IID)
