#pragma once

#include <QObject>
#include <Qt>

class QWidget;

// Keeps a secondary window over the main window. Such a window is a top-level window without a parent
// widget, since disabling the main window (as most of them do while shown) would disable its child windows
// too. Each time it is shown it gets the main window as its transient parent and is centred on it.
class OwnedWindow final : public QObject
{
    Q_OBJECT

public:
    // A fixed-size dialog frame with a title, a system menu and a close box.
    static constexpr Qt::WindowFlags kFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

    // Watches `window` for as long as it lives.
    OwnedWindow(QWidget* window, QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QWidget* m_owner;
};
