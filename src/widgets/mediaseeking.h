#pragma once

#include <cstdint>

// What the position bar reads from the media it follows and asks of it. Times are in milliseconds.
class MediaSeeking
{
public:
    virtual ~MediaSeeking() = default;

    // The media's length; 0 when it cannot be told.
    virtual std::int32_t duration() const = 0;
    virtual std::int64_t currentPosition() const = 0;
    // Where playing ends: the media's end, since the program never sets an end of its own.
    virtual std::int64_t stopPosition() const = 0;
    // An absolute seek; the stop position stays.
    virtual void seek(std::int64_t position) = 0;
};
