#include "app/windowarranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVariant>
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

// The size a window had before a tiling changed it, for the cascade to give back.
constexpr char kSizeBeforeTiling[] = "sizeBeforeTiling";

void RememberSizeBeforeTiling(QMdiSubWindow& window) {
    if (!window.property(kSizeBeforeTiling).isValid()) {
        window.setProperty(kSizeBeforeTiling, window.size());
    }
}

QSize SizeBeforeTiling(QMdiSubWindow& window) {
    const QVariant kept = window.property(kSizeBeforeTiling);
    window.setProperty(kSizeBeforeTiling, QVariant());
    return kept.isValid() ? kept.toSize() : window.size();
}

int Along(QSize size, Qt::Orientation stacking) {
    return stacking == Qt::Vertical ? size.height() : size.width();
}

// Gives each shown, non-minimised window an equal band of the area: rows stacked top to bottom,
// or columns side by side. Band sizes differ by at most one pixel. Bands never get narrower than
// the least any of the windows needs to stay usable: when they do not all fit, each band has that
// length and the area scrolls to the last ones.
void TileInBands(QMdiArea& area, Qt::Orientation stacking) {
    const auto windows = TiledWindows(area);
    const int count = static_cast<int>(windows.size());
    if (count == 0) {
        return;
    }
    QRect space = area.viewport()->rect();
    int least = 0;
    for (const QMdiSubWindow* window : windows) {
        least = std::max(least, Along(window->minimumSizeHint(), stacking));
    }
    const int length = Along(space.size(), stacking);
    const bool scrolls = least * count > length;
    if (scrolls) {
        // The area's scroll bar along the bands takes its room across them.
        const int bar = area.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &area);
        if (stacking == Qt::Vertical) {
            space.setWidth(space.width() - bar);
        } else {
            space.setHeight(space.height() - bar);
        }
    }
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        RememberSizeBeforeTiling(*window);
        const int start = scrolls ? least * i : length * i / count;
        const int end = scrolls ? least * (i + 1) : length * (i + 1) / count;
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

// Back to front, each window takes back the size it had before a tiling and sits one title bar
// lower and further right than the one behind it, so every title stays in view; the active window
// ends in front. A window that would start outside the area starts again at the top left; one that
// would reach past the area's bottom or right edge is shortened to end there, buttons in view.
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
        const QSize room(space.right() + 1 - corner.x(), space.bottom() + 1 - corner.y());
        window->resize(SizeBeforeTiling(*window).boundedTo(room));
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
