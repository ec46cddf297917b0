#include "preview/sourcefolder.h"

QString SourceFolder(const QString& path, PathStyle style)
{
    const QString folder = path.left(path.size() - FileNamePart(path, style).size());
    return folder.isEmpty() ? QString() : EnsureTrailingBackslash(folder, style);
}
