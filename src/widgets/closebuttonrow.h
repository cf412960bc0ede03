#pragma once

class QBoxLayout;
class QMdiSubWindow;
class QWidget;

namespace pirumo {

// Adds to `layout` the foot row of a child window laid out by layouts: a 閉じる button at the
// right, a child of `client`, that closes `window`.
void AddCloseButtonRow(QBoxLayout& layout, QWidget& client, QMdiSubWindow& window);

}  // namespace pirumo
