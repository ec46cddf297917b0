#include "profiles/profilegrid.h"

std::optional<ProfileGrid> GridForSort(std::int32_t sort)
{
    if (sort < static_cast<std::int32_t>(ProfileGrid::Video) || sort > static_cast<std::int32_t>(ProfileGrid::Advanced))
        return std::nullopt;
    return static_cast<ProfileGrid>(sort);
}
