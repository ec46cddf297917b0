#pragma once

#include <QString>
#include <optional>

class QWidget;

// Lets the user choose a folder. A `folder` that names no existing folder is dropped before the dialog
// opens; otherwise it is preselected. True when a folder was chosen, whose path `folder` then holds; on
// Cancel `folder` keeps its (possibly dropped) entry value.
bool BrowseForFolder(QWidget* owner, const QString& title, const QString& root, QString& folder);

// What both Browse buttons do: the folder picker with nothing preselected; the chosen folder ends with
// the folder separator. Nothing when the user cancelled.
std::optional<QString> ChooseOutputFolder(QWidget* owner);
