#pragma once

class QWidget;
class QRect;

namespace pirumo {

// Window sizes and control positions are given in twips (1/1440 inch); they are converted at the
// logical DPI of the screen that shows `widget`.
int TwipsToPixelsX(int twips, const QWidget& widget);
int TwipsToPixelsY(int twips, const QWidget& widget);
QRect TwipsToPixels(int left, int top, int width, int height, const QWidget& widget);

}  // namespace pirumo
