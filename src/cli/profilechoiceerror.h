#pragma once

#include "platform/errors.h"

// A --set that the profile editor would not take: no such parameter, or a text it cannot show.
class ProfileChoiceError final : public BrindlecutError
{
public:
    using BrindlecutError::BrindlecutError;
};
