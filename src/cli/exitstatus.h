#pragma once

// How brindlecut-split ends.
inline constexpr int kExitWritten = 0;      // every piece was written
inline constexpr int kExitFailed = 1;       // a piece was not written
inline constexpr int kExitRefused = 2;      // refused before anything was written
inline constexpr int kExitSignalBase = 128; // ended by a signal: 128 + its number, 130 for Ctrl-C
