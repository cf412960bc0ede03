#pragma once

class QMdiArea;
class QWidget;

namespace pirumo {

// Ctrl+F4 on `window` closes the active child window of `area`, as in other programs with child
// windows, whichever menus are on show; the next child on show then becomes active, ready for
// the next Ctrl+F4.
void AddCloseActiveWindowKey(QWidget& window, QMdiArea& area);

}  // namespace pirumo
