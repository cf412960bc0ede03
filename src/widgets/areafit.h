#pragma once

#include <QSize>

class QMdiSubWindow;

namespace pirumo {

// `wanted` made no larger than the visible part of the area that holds `window`; `wanted` as it
// is while the window is in no area.
QSize SizeWithinArea(const QMdiSubWindow& window, QSize wanted);

// Shrinks `window` to the visible part of its area where it is larger, and moves it up and left
// as far as needed for all of it, title bar to buttons, to be in view.
void KeepWithinArea(QMdiSubWindow& window);

}  // namespace pirumo
