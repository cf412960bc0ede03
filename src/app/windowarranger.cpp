#include "app/windowarranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace pirumo {

namespace {

QList<QMdiSubWindow*> TiledWindows(QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    const auto history = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized()) {
            windows.append(*it);
        }
    }
    return windows;
}

// Gives each shown, non-minimised window an equal band of the area: rows stacked top to bottom,
// or columns side by side. Band sizes differ by at most one pixel.
void TileInBands(QMdiArea& area, Qt::Orientation stacking) {
    const auto windows = TiledWindows(area);
    const QRect space = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int length = stacking == Qt::Vertical ? space.height() : space.width();
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int start = length * i / count;
        const int end = length * (i + 1) / count;
        if (stacking == Qt::Vertical) {
            window->setGeometry(space.left(), space.top() + start, space.width(), end - start);
        } else {
            window->setGeometry(space.left() + start, space.top(), end - start, space.height());
        }
    }
}

}  // namespace

void TileHorizontally(QMdiArea& area) {
    TileInBands(area, Qt::Vertical);
}

void TileVertically(QMdiArea& area) {
    TileInBands(area, Qt::Horizontal);
}

// Back to front, each window keeps its size and sits one title bar lower and further right than
// the one behind it, so every title stays in view; the active window ends in front. A window
// that would start outside the area starts again at the top left.
void Cascade(QMdiArea& area) {
    const auto windows = TiledWindows(area);
    const QRect space = area.viewport()->rect();
    QPoint corner = space.topLeft();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QMdiSubWindow* window = *it;
        window->showNormal();
        const int step = std::max(window->contentsMargins().top(), 1);
        if (corner.x() + step > space.right() || corner.y() + step > space.bottom()) {
            corner = space.topLeft();
        }
        window->move(corner);
        window->raise();
        corner += QPoint(step, step);
    }
}

void ArrangeIcons(QMdiArea& area) {
    const QRect space = area.viewport()->rect();
    int x = space.left();
    int bottom = space.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isVisible() || !window->isMinimized()) {
            continue;
        }
        const QSize size = window->size();
        if (x > space.left() && x + size.width() > space.right() + 1) {
            x = space.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

}  // namespace pirumo
