#include "print/ui/printpreview.h"

#include <filesystem>

#include "base/fileerror.h"
#include "base/protectedoutput.h"
#include "module/moduleloader.h"
#include "print/documentpainter.h"
#include "print/pagelayout.h"
#include "print/ui/printpreviewrequest.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

// A PDF saved from the preview is refused, before the printer opens the file, when its name
// leads to the history or its backup.
bool MayWriteTo(const QString& outputFile, QWidget* dialog) {
    if (outputFile.isEmpty()) {
        return true;
    }
    try {
        RefuseProtectedOutput(std::filesystem::path(outputFile.toStdU16String()));
    } catch (const FileError& error) {
        ShowRefusal(dialog, QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

}  // namespace

void OpenPrintPreview(const PrintDocument& document, QWidget* parent) {
    QString error;
    PrintPreviewModule* module = LoadProgramModuleAs<PrintPreviewModule>(error);
    if (module == nullptr) {
        ShowRefusal(parent, QStringLiteral("印刷プレビューを開けません。\n") + error);
        return;
    }
    module->Open({document.caption, DefaultPageLayout(document), MayWriteTo,
                  [&document](QPagedPaintDevice& device) { PaintDocument(document, device); }},
                 parent);
}

}  // namespace pirumo
