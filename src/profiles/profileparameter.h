#pragma once

#include "profiles/profilegrid.h"

#include <QString>
#include <cstdint>
#include <optional>

// One parameter of a profile as its section states it, defaults applied.
struct ProfileParameter
{
    QString section;                 // the row name; empty when "Main" lacks the numbered key
    std::optional<ProfileGrid> grid; // from "Sort"; none when it names no grid
    bool readOnly = false;
    QString cmd;
    bool list = true;
    QString caption; // a comma list for a list parameter, the shown text for any other
    QString value;   // a comma list for a list parameter, the encoder value of a fixed one
    std::int32_t index = 0;
};
