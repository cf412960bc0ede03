#pragma once

#include <QPageLayout>
#include <QString>
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

// The entry of the module pirumo_printsupport: shows the preview over `parent` and returns when
// it is closed.
using OpenPrintPreviewFunction = void(const PrintPreviewRequest& request, QWidget* parent);
inline constexpr const char* kPrintSupportModule = "pirumo_printsupport";
inline constexpr const char* kOpenPrintPreviewSymbol = "PirumoOpenPrintPreview";

}  // namespace pirumo
