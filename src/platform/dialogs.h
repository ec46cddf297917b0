#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so tests can record and answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // OK button, information icon.
    virtual void inform(QWidget* owner, const QString& caption, const QString& text) = 0;
    // Yes and No buttons, question icon; true for Yes.
    virtual bool ask(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The plain message dialog: OK, no icon, the application title as caption.
    virtual void plain(QWidget* owner, const QString& text) = 0;
    // The general error box: OK, error icon, the application title as caption.
    virtual void error(QWidget* owner, const QString& text) = 0;
    // An error box with a caption of its own.
    virtual void error(QWidget* owner, const QString& caption, const QString& text) = 0;

    // The instance in force; the message-box one unless a test installed another.
    static Dialogs& instance();
    // Installs `dialogs` (not owned); nullptr puts the message-box one back.
    static void install(Dialogs* dialogs);
};
