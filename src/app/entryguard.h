#pragma once

#include <QList>

class QMdiSubWindow;
class QWidget;

namespace pirumo {

// Manual entry waits until the windows that show the history have gone. Instead of only refusing,
// the user is offered to close them (every analysis reads the history again after entry
// anyway): true when `blocking` was empty or the user agreed and they were closed.
bool CloseWindowsForEntry(QWidget* parent, const QList<QMdiSubWindow*>& blocking);

}  // namespace pirumo
