#pragma once

#include <QHash>
#include <QString>
#include <vector>

class QAction;
class QMenuBar;

namespace pirumo {

// One item of the main window's menu tree, in menu order.
struct MainMenuItem {
    int level;            // 0 = menu bar
    const char* name;     // object name of the action (and of the menu), saying what it does
    const char* caption;  // with its access key
    const char* window;   // leaves that show a window: its name; otherwise nullptr
};

const std::vector<MainMenuItem>& MainMenuItems();

// Builds the menu tree into `bar` (no shortcut keys). Returns every leaf's action by object name;
// an item with children becomes a QMenu, and the menu and its action both carry the name.
QHash<QString, QAction*> BuildMainMenu(QMenuBar& bar);

}  // namespace pirumo
