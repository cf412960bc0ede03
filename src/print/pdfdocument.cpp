#include "print/pdfdocument.h"

#include <QBuffer>
#include <QPdfWriter>

#include "print/documentpainter.h"
#include "print/pagelayout.h"

namespace pirumo {

QByteArray DocumentToPdf(const PrintDocument& document, const QPageSize& size) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(document.caption);
        writer.setCreator(QStringLiteral("ピルモ"));
        writer.setPageLayout(DefaultPageLayout(document, size));
        PaintDocument(document, writer);
    }
    return bytes;
}

}  // namespace pirumo
