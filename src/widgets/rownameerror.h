#pragma once

#include "platform/errors.h"

// A name/value grid refuses a row name that holds "=", the character that separates a name from its value.
class RowNameError final : public BrindlecutError
{
public:
    explicit RowNameError(const QString& name)
        : BrindlecutError(QStringLiteral("A row name cannot hold \"=\": %1").arg(name))
    {}
};
