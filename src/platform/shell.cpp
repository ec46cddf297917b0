#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

class DesktopShell final : public Shell
{
public:
    void open(const QString& pathOrUrl) override { QDesktopServices::openUrl(DesktopUrlFor(pathOrUrl)); }
};

Shell* g_installed = nullptr;

bool isWebScheme(const QString& scheme)
{
    if (scheme.size() < 2)
        return false;
    for (QChar c : scheme) {
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return false;
    }
    return true;
}

} // namespace

QUrl DesktopUrlFor(const QString& pathOrUrl)
{
    // A one-letter scheme is a drive ("C:\Out"), so only longer ones make an address.
    const QUrl url(pathOrUrl);
    if (url.isValid() && isWebScheme(url.scheme()))
        return url;
    return QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
}

Shell& Shell::instance()
{
    static DesktopShell desktop;
    return g_installed ? *g_installed : desktop;
}

void Shell::install(Shell* shell)
{
    g_installed = shell;
}
