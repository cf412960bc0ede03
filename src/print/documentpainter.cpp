#include "print/documentpainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <map>
#include <memory>

#include "print/gridslicepainter.h"
#include "print/pagelayout.h"
#include "print/printfont.h"

namespace pirumo {

namespace {

constexpr double kCaptionPoints = 12.0;
constexpr double kSmallPoints = 9.0;
constexpr double kHeadingGap = 8.0 * kPageUnitsPerPoint;
constexpr double kFooterGap = 6.0 * kPageUnitsPerPoint;
constexpr double kRuleWidth = 0.5 * kPageUnitsPerPoint;

double LineBoxHeight(const QFont& font) {
    return QFontMetricsF(font).height();
}

QString HeadingDetails(const PrintDocument& document) {
    QString details = document.coverage;
    if (document.printed.isValid()) {
        if (!details.isEmpty()) {
            details += QStringLiteral("　");
        }
        details += QStringLiteral("印刷日 %1年%2月%3日")
                       .arg(document.printed.year())
                       .arg(document.printed.month())
                       .arg(document.printed.day());
    }
    return details;
}

// Caption on the left and the draws covered and the date on the right, over a thin rule.
void PaintHeading(QPainter& painter, const PrintDocument& document, const QRectF& page,
                  double height) {
    const QRectF band(page.left(), page.top(), page.width(), height);
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(kCaptionPoints, true));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, document.caption);
    painter.setFont(PrintFont(kSmallPoints));
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, HeadingDetails(document));
    painter.fillRect(QRectF(page.left(), band.bottom() + kRuleWidth, page.width(), kRuleWidth),
                     Qt::black);
}

QColor ToColor(Rgb colour) {
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

// The caption, then each mark and its meaning, left to right in the line's font.
void PaintLegendLine(QPainter& painter, const PlacedLine& placed) {
    const QFontMetricsF metrics(painter.font());
    const double side = metrics.ascent();
    const double gap = metrics.horizontalAdvance(u'0') / 2;
    double x = placed.rect.left();
    const auto write = [&](const QString& text) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, placed.rect.top(), placed.rect.right() - x, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x += metrics.horizontalAdvance(text) + gap;
    };
    if (!placed.line.text.isEmpty()) {
        write(placed.line.text);
    }
    for (const PrintLegendMark& mark : placed.line.legend) {
        const QRectF box(x, placed.rect.top() + (metrics.height() - side) / 2, side, side);
        if (mark.ball) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToColor(mark.colour));
            painter.drawEllipse(box);
        } else {
            painter.setPen(QPen(QColor(160, 160, 160), 0));
            painter.setBrush(ToColor(mark.colour));
            painter.drawRect(box);
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignCenter, mark.letter);
        }
        painter.setBrush(Qt::NoBrush);
        x = box.right() + gap / 2;
        write(mark.meaning);
    }
}

void PaintFooter(QPainter& painter, const QRectF& page, double height, int number, int count) {
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(kSmallPoints));
    painter.drawText(QRectF(page.left(), page.bottom() - height, page.width(), height),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(number).arg(count));
}

}  // namespace

int PaintDocument(const PrintDocument& document, QPagedPaintDevice& device) {
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Point);
    const QRectF page(0, 0, paintRect.width() * kPageUnitsPerPoint,
                      paintRect.height() * kPageUnitsPerPoint);
    const double headingHeight = LineBoxHeight(PrintFont(kCaptionPoints, true));
    const double footerHeight = LineBoxHeight(PrintFont(kSmallPoints));
    const QRectF body =
        page.adjusted(0, headingHeight + kHeadingGap, 0, -(footerHeight + kFooterGap));
    const std::vector<PrintPage> pages = LayOutPages(document, body);

    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    painter.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
    std::map<const ResultGrid*, std::unique_ptr<GridSlicePainter>> gridPainters;
    const int count = static_cast<int>(pages.size());
    for (int number = 1; number <= count; ++number) {
        if (number > 1) {
            device.newPage();
        }
        const PrintPage& content = pages[static_cast<std::size_t>(number - 1)];
        PaintHeading(painter, document, page, headingHeight);
        for (const PlacedLine& placed : content.lines) {
            painter.setPen(Qt::black);
            painter.setFont(LineFont(placed.line));
            if (placed.line.legend.empty()) {
                painter.drawText(placed.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                 placed.line.text);
            } else {
                PaintLegendLine(painter, placed);
            }
        }
        for (const GridSlice& slice : content.slices) {
            auto& gridPainter = gridPainters[slice.grid];
            if (!gridPainter) {
                gridPainter = std::make_unique<GridSlicePainter>(*slice.grid);
            }
            gridPainter->Paint(painter, slice);
        }
        for (const PlacedPicture& placed : content.pictures) {
            placed.picture.paint(painter, placed.rect);
        }
        PaintFooter(painter, page, footerHeight, number, count);
    }
    painter.end();
    return count;
}

}  // namespace pirumo
