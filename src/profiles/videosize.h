#pragma once

#include <QString>

// The parameter whose "Custom Size" choice is replaced by a width and height typed by the user.
inline const QString kVideoSizeRow = QStringLiteral("Video Size");
inline const QString kOriginalSize = QStringLiteral("Original Size");
inline const QString kCustomSize = QStringLiteral("Custom Size");

// A custom size as the size dialog writes it: a width and a height, each a whole number by the integer
// rule, joined by "x".
bool IsCustomVideoSize(const QString& text);
