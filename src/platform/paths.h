#pragma once

#include <QString>
#include <QStringList>

// Paths are written once over a separator style, so the Windows forms ("C:\Out") and the Linux
// forms ("/out") follow the same rules.
enum class PathStyle
{
    Windows, // "\" separates folders (also "/"), and ":" ends a drive
    Posix,   // "/" separates folders
};

PathStyle NativePathStyle();
QChar FolderSeparator(PathStyle style = NativePathStyle());

// The text itself when it ends with the separator, else the text followed by it.
QString EnsureTrailingBackslash(const QString& path, PathStyle style = NativePathStyle());

// The name up to its last "."; the whole name when it holds none. Callers pass a bare file name.
QString NameWithoutExtension(const QString& name);

// The text after the last folder separator (and, in the Windows style, the last ":").
QString FileNamePart(const QString& path, PathStyle style = NativePathStyle());

// From the last "." after the last separator, dot included; empty when there is none.
QString ExtensionOf(const QString& path, PathStyle style = NativePathStyle());

// True when the ASCII-lower-cased extension equals one of `extensions` exactly.
bool HasSupportedExtension(const QString& path, const QStringList& extensions, PathStyle style = NativePathStyle());

// Names of the plain, non-hidden files directly in `folder` whose extension equals `extension` without
// regard to ASCII case, sorted without regard to case in the user's collation.
QStringList ListFilesWithExtension(const QString& folder, const QString& extension);
