#include "app/windowlistmenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace pirumo {

namespace {

// Marks the items this list added, so that the next opening replaces them.
constexpr char kListedProperty[] = "listsWindow";

QString ItemCaption(int number, const QString& title) {
    // Access keys 1..9 as the usual window lists have them; later windows go without.
    return number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                       : QStringLiteral("%1 %2").arg(number).arg(title);
}

void RebuildList(QMenu& menu, QMdiArea& area) {
    for (QAction* item : menu.actions()) {
        if (item->property(kListedProperty).toBool()) {
            menu.removeAction(item);
            item->deleteLater();
        }
    }
    int number = 0;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isHidden()) {
            continue;  // the prediction window stays in the area while closed
        }
        if (number == 0) {
            menu.addSeparator()->setProperty(kListedProperty, true);
        }
        ++number;
        QAction* item = menu.addAction(ItemCaption(number, window->windowTitle()));
        item->setProperty(kListedProperty, true);
        item->setObjectName(QStringLiteral("showWindowAction%1").arg(number));
        item->setCheckable(true);
        item->setChecked(window == area.activeSubWindow());
        QObject::connect(item, &QAction::triggered, window, [&area, window] {
            if (window->isMinimized()) {
                window->showNormal();
            }
            area.setActiveSubWindow(window);
        });
    }
}

}  // namespace

void ListWindowsInMenu(QMenu& menu, QMdiArea& area) {
    QObject::connect(&menu, &QMenu::aboutToShow, &area,
                     [&menu, &area] { RebuildList(menu, area); });
}

}  // namespace pirumo
