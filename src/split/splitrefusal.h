#pragma once

#include <QString>

// Why a job may not start: the message box to show, and the control that gets the focus after it.
struct SplitRefusal
{
    QString caption;
    QString text;
    QString focus; // a control's objectName, or empty

    bool operator==(const SplitRefusal&) const = default;
};
