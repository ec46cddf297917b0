#pragma once

#include "profiles/profilegrid.h"

#include <QString>

// The one question the switch builder asks of the editor: what a grid shows for a parameter.
class ShownTextSource
{
public:
    virtual ~ShownTextSource() = default;
    // The value text of the first row named `rowName` (without regard to case) in `grid`; empty when the
    // grid has no such row.
    virtual QString ShownText(ProfileGrid grid, const QString& rowName) const = 0;
};
