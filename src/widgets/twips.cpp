#include "widgets/twips.h"

#include <QRect>
#include <QWidget>
#include <cmath>

namespace pirumo {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int Convert(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

}  // namespace

int TwipsToPixelsX(int twips, const QWidget& widget) {
    return Convert(twips, widget.logicalDpiX());
}

int TwipsToPixelsY(int twips, const QWidget& widget) {
    return Convert(twips, widget.logicalDpiY());
}

QRect TwipsToPixels(int left, int top, int width, int height, const QWidget& widget) {
    return QRect(TwipsToPixelsX(left, widget), TwipsToPixelsY(top, widget),
                 TwipsToPixelsX(width, widget), TwipsToPixelsY(height, widget));
}

}  // namespace pirumo
