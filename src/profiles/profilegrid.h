#pragma once

#include <cstdint>
#include <optional>

// The editor grid a profile parameter is shown in; the values are those of the "Sort" key.
enum class ProfileGrid
{
    Video = 1,
    Audio = 2,
    Advanced = 3,
};

inline constexpr ProfileGrid kProfileGrids[] = {ProfileGrid::Video, ProfileGrid::Audio, ProfileGrid::Advanced};

// The grid a "Sort" value names; none for any value but 1, 2 and 3.
std::optional<ProfileGrid> GridForSort(std::int32_t sort);
