#pragma once

#include "split/splitrefusal.h"

// The checks a job must pass before it starts, in the order they run.
enum class SplitCheck
{
    SourceFile,
    StartTime,
    EndTime,
    Range,
    Sections,
    Profile,
    OutputFolder,
};

// The message that refuses a job failing `check`, and the control that gets the focus after it.
SplitRefusal RefusalFor(SplitCheck check);
