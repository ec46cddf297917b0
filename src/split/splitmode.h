#pragma once

// "Split the marked rang out." (one clip) or "Split the marked rang to N equal sections."
enum class SplitMode
{
    OneClip,
    EqualSections,
};
