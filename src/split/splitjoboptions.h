#pragma once

// How a job runs its encoder, fixed when the job starts.
struct SplitJobOptions
{
    // Seek in the source for every piece ("-ss" before "-i") instead of decoding up to its start.
    bool fastSeek = false;
};
