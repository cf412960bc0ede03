#pragma once

class QMdiArea;
class QMenu;

namespace pirumo {

// Lists the windows on show in `area` at the end of `menu` each time it opens, numbered in the
// order they were opened, the active one checked; choosing one brings it forward (restored if it
// was minimised).
void ListWindowsInMenu(QMenu& menu, QMdiArea& area);

}  // namespace pirumo
