#pragma once

#include <QString>

// The time code the job reads for a TIME argument: a time code as the window's fields take it, or plain
// seconds. Either may use the point whatever the user's locale; a text that is neither stays unreadable,
// so the job refuses it as the window does.
QString TimeArgumentText(const QString& argument);
