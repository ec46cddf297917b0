#pragma once

#include <QString>
#include <QUrl>

// Opens a file, folder or web address the way the desktop does. The result is not examined.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString& pathOrUrl) = 0;

    static Shell& instance();
    // Installs `shell` (not owned); nullptr puts the desktop one back.
    static void install(Shell* shell);
};

// What the desktop shell is asked to open: a text with a scheme of two or more letters (http, mailto, file)
// as that address, anything else as a local path.
QUrl DesktopUrlFor(const QString& pathOrUrl);
