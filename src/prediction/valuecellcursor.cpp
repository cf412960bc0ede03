#include "prediction/valuecellcursor.h"

namespace pirumo {

void ValueCellCursor::Place(ResultGrid& grid, std::string_view text) {
    if (Full()) {
        return;
    }
    grid.SetCellText(mColumn + 2, mRow + 2, text);
    if (++mColumn == kPerRow) {
        mColumn = 0;
        ++mRow;
    }
}

}  // namespace pirumo
