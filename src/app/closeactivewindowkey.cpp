#include "app/closeactivewindowkey.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace pirumo {

namespace {

const QKeySequence kCloseKey(Qt::CTRL | Qt::Key_F4);

void CloseActiveWindow(QMdiArea& area) {
    QMdiSubWindow* window = area.currentSubWindow();
    if (window == nullptr || !window->close()) {
        return;
    }
    const QList<QMdiSubWindow*> stack = area.subWindowList(QMdiArea::StackingOrder);
    for (auto next = stack.crbegin(); next != stack.crend(); ++next) {
        if (*next != window && (*next)->isVisible()) {
            area.setActiveSubWindow(*next);
            return;
        }
    }
}

// A child's own Ctrl+F4, in its system menu, works only while the focus is inside it and would
// make the main window's ambiguous: the child gives it up.
void DropChildCloseKey(QMdiSubWindow* window) {
    if (window == nullptr || window->systemMenu() == nullptr) {
        return;
    }
    for (QAction* item : window->systemMenu()->actions()) {
        if (item->shortcuts().contains(kCloseKey)) {
            item->setShortcuts({});
        }
    }
}

}  // namespace

void AddCloseActiveWindowKey(QWidget& window, QMdiArea& area) {
    auto* action = new QAction(&window);
    action->setObjectName(QStringLiteral("closeActiveWindowAction"));
    action->setShortcut(kCloseKey);
    QObject::connect(action, &QAction::triggered, &area, [&area] { CloseActiveWindow(area); });
    window.addAction(action);
    QObject::connect(&area, &QMdiArea::subWindowActivated, &area, DropChildCloseKey);
}

}  // namespace pirumo
