#include "app/programicon.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QWindow>

#include "widgets/gridview.h"

namespace pirumo {

namespace {

QPixmap Ball(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(side * 0.35, side * 0.3), side * 0.7);
    shade.setColorAt(0.0, QColor(255, 244, 200));
    shade.setColorAt(1.0, QColor(235, 120, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1.0, side - 1.0));
    QFont font = GridFont();
    font.setBold(true);
    font.setPixelSize(side * 11 / 20);
    painter.setFont(font);
    painter.setPen(QColor(120, 40, 0));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("ピ"));
    return picture;
}

// Watches the application's events for the first window shown on screen; that window paints
// while its expose event is handled, and the icon follows in a queued call.
class FirstExposeWatch : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* object, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(object);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QApplication::setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) {
        icon.addPixmap(Ball(side));
    }
    return icon;
}

void SetProgramIconOnceOnScreen() {
    qApp->installEventFilter(new FirstExposeWatch(qApp));
}

}  // namespace pirumo
