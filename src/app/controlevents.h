#pragma once

#include <QObject>

class QWidget;

// The platform's "exit" and "click" of a control: exited() when the keyboard focus moves from it to another
// control of its window (not to another window or a popup), clicked() when the left button is released over it.
class ControlEvents final : public QObject
{
    Q_OBJECT

public:
    // Watches `control` and lives as long as it does.
    explicit ControlEvents(QWidget* control);

Q_SIGNALS:
    void exited();
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
