#pragma once

#include <QString>

// The file of the profile called `name`: `profileDir`, the name and ".apf". Where file names are case
// sensitive, a file whose extension differs only in case (a listed "A.APF") is the one found.
QString ProfilePath(const QString& profileDir, const QString& name);
