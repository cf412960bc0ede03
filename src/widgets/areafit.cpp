#include "widgets/areafit.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace pirumo {

QSize SizeWithinArea(const QMdiSubWindow& window, QSize wanted) {
    const QMdiArea* area = window.mdiArea();
    return area == nullptr ? wanted : wanted.boundedTo(area->viewport()->size());
}

void KeepWithinArea(QMdiSubWindow& window) {
    const QMdiArea* area = window.mdiArea();
    if (area == nullptr || window.isMinimized() || window.isMaximized()) {
        return;
    }
    const QSize room = area->viewport()->size();
    const QSize size = window.size().boundedTo(room);
    if (size != window.size()) {
        window.resize(size);
    }
    const QPoint corner(std::clamp(window.x(), 0, room.width() - size.width()),
                        std::clamp(window.y(), 0, room.height() - size.height()));
    if (corner != window.pos()) {
        window.move(corner);
    }
}

}  // namespace pirumo
