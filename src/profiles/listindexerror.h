#pragma once

#include "platform/errors.h"

#include <cstdint>

// "List index out of bounds (%d)": a profile position that addresses no item of its list.
class ListIndexError final : public BrindlecutError
{
public:
    explicit ListIndexError(std::int32_t index)
        : BrindlecutError(QStringLiteral("List index out of bounds (%1)").arg(index)), m_index(index)
    {}
    std::int32_t index() const noexcept { return m_index; }

private:
    std::int32_t m_index;
};
