#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The items of a comma list: every item, the last one included, ends with a comma; whatever follows the last
// comma is dropped. Items may be empty and keep their blanks.
QStringList SplitCommaList(const QString& text);

// The position of the first caption equal to `text` without regard to case.
std::optional<int> FindCaption(const QStringList& captions, const QString& text);
