#include "platform/ownedwindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

OwnedWindow::OwnedWindow(QWidget* window, QWidget* owner) : QObject(window), m_window(window), m_owner(owner)
{
    // Only the main window's closing ends the program.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->installEventFilter(this);
}

bool OwnedWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_owner && event->type() == QEvent::Show && !event->spontaneous()) {
        if (QWindow* handle = m_window->windowHandle())
            handle->setTransientParent(m_owner->windowHandle());
        m_window->move(m_owner->frameGeometry().center() - m_window->rect().center());
    }
    return QObject::eventFilter(watched, event);
}
