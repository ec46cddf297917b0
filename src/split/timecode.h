#pragma once

#include <QString>

// Hours, minutes and whole seconds, each at least two digits: "00:01:05". The fraction is dropped.
QString SecondsToTimeCode(double seconds);

// Reads "h:m:s" (s may carry a fraction in the user's decimal separator); -1 for a text that is not one.
double TimeCodeToSeconds(const QString& text);
