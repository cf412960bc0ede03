#include "widgets/hourglasscursor.h"

#include <QApplication>
#include <QCursor>

namespace pirumo {

HourglassCursor::HourglassCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourglassCursor::~HourglassCursor() {
    Restore();
}

void HourglassCursor::Restore() {
    if (mShown) {
        QApplication::restoreOverrideCursor();
        mShown = false;
    }
}

void ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace pirumo
