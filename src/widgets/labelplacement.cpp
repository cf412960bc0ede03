#include "widgets/labelplacement.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <numeric>

namespace pirumo {

namespace {

constexpr double kSmallestPoints = 8.0;
constexpr double kPointStep = 0.5;

}  // namespace

QRect PlaceWrappingLabel(QLabel& label, QPoint topLeft, int room, int lineHeight) {
    const QFont base =
        label.parentWidget() != nullptr ? label.parentWidget()->font() : label.font();
    QFont font = base;
    while (QFontMetrics(font, &label).horizontalAdvance(label.text()) > room &&
           font.pointSizeF() - kPointStep >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kPointStep);
    }
    const bool wraps = QFontMetrics(font, &label).horizontalAdvance(label.text()) > room;
    label.setFont(wraps ? base : font);
    label.setWordWrap(wraps);
    const int height = wraps ? std::max(lineHeight, label.heightForWidth(room)) : lineHeight;
    label.setGeometry(QRect(topLeft, QSize(room, height)));
    return label.geometry();
}

void KeepApartOnLine(std::vector<QRect>& rects, int gap) {
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&rects](std::size_t a, std::size_t b) {
        return rects[a].left() < rects[b].left();
    });
    for (std::size_t i = 0; i < order.size(); ++i) {
        QRect& rect = rects[order[i]];
        for (std::size_t j = 0; j < i; ++j) {
            const QRect& before = rects[order[j]];
            const bool sameLine = rect.top() <= before.bottom() && before.top() <= rect.bottom();
            if (sameLine && rect.left() < before.right() + 1 + gap) {
                rect.moveLeft(before.right() + 1 + gap);
            }
        }
    }
}

}  // namespace pirumo
