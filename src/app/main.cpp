#include "app/mainform.h"
#include "app/programwindows.h"
#include "app/skin.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ApplySkin(application);

    const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    ProgramWindows windows(appDir, QCoreApplication::arguments().mid(1));
    windows.mainForm().show();
    return QApplication::exec();
}
