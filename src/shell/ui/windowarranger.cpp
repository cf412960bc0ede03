#include "shell/ui/windowarranger.h"

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

// Splits `length` into `count` parts whose sizes differ by at most one pixel.
int PartStart(int length, int count, int index) {
    return length * index / count;
}

}  // namespace

void TileHorizontally(QMdiArea& area) {
    const auto windows = TiledWindows(area);
    const QRect space = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int top = PartStart(space.height(), count, i);
        const int bottom = PartStart(space.height(), count, i + 1);
        window->setGeometry(space.left(), space.top() + top, space.width(), bottom - top);
    }
}

void TileVertically(QMdiArea& area) {
    const auto windows = TiledWindows(area);
    const QRect space = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int left = PartStart(space.width(), count, i);
        const int right = PartStart(space.width(), count, i + 1);
        window->setGeometry(space.left() + left, space.top(), right - left, space.height());
    }
}

void Cascade(QMdiArea& area) {
    area.cascadeSubWindows();
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
