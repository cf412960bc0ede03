#pragma once

class QWidget;
class QRect;

namespace pirumo {

// Window sizes and control positions are given in twips (1/1440 inch); they are converted at the
// logical DPI of the screen that shows `widget`.
int TwipsToPixelsX(int twips, const QWidget& widget);
int TwipsToPixelsY(int twips, const QWidget& widget);
QRect TwipsToPixels(int left, int top, int width, int height, const QWidget& widget);

// Placement the child windows share, in twips: margins and gaps, the description label's height
// and the size of the 閉じる / 印刷 buttons.
constexpr int kMarginTwips = 120;
constexpr int kGapTwips = 120;
constexpr int kLabelHeightTwips = 255;
constexpr int kButtonWidthTwips = 1095;
constexpr int kButtonHeightTwips = 375;

}  // namespace pirumo
