#include "app/controlevents.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

ControlEvents::ControlEvents(QWidget* control) : QObject(control)
{
    control->installEventFilter(this);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    const auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusOut) {
        // The focus has already moved on. Gone to another window or a popup, it comes back to the control later;
        // gone nowhere, the window is closing. Neither leaves the field.
        const QWidget* next = QApplication::focusWidget();
        if (next != nullptr && next != control && control->window()->isAncestorOf(next))
            Q_EMIT exited();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint()))
            Q_EMIT clicked();
    }
    return QObject::eventFilter(watched, event);
}
