#pragma once

#include <QString>

// One --set "PARAMETER=VALUE": the text a profile parameter is to show, as the profile editor would take it.
struct ParameterChoice
{
    QString parameter;
    QString text;

    bool operator==(const ParameterChoice&) const = default;
};
