#include "platform/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString applicationTitle()
{
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QApplication::applicationName() : title;
}

void showBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
             QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, owner);
    box.exec();
}

class MessageBoxDialogs final : public Dialogs
{
public:
    void inform(QWidget* owner, const QString& caption, const QString& text) override
    {
        showBox(owner, QMessageBox::Information, caption, text, QMessageBox::Ok);
    }

    bool ask(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
        return box.exec() == QMessageBox::Yes;
    }

    void plain(QWidget* owner, const QString& text) override
    {
        showBox(owner, QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
    }

    void error(QWidget* owner, const QString& text) override
    {
        showBox(owner, QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok);
    }

    void error(QWidget* owner, const QString& caption, const QString& text) override
    {
        showBox(owner, QMessageBox::Critical, caption, text, QMessageBox::Ok);
    }
};

Dialogs* g_installed = nullptr;

} // namespace

Dialogs& Dialogs::instance()
{
    static MessageBoxDialogs messageBoxes;
    return g_installed ? *g_installed : messageBoxes;
}

void Dialogs::install(Dialogs* dialogs)
{
    g_installed = dialogs;
}
