#include "split/splitcheck.h"

namespace {

SplitRefusal refusal(const char* caption, const char* text, const char* focus = "")
{
    return {QString::fromLatin1(caption), QString::fromLatin1(text), QString::fromLatin1(focus)};
}

} // namespace

SplitRefusal RefusalFor(SplitCheck check)
{
    switch (check) {
    case SplitCheck::SourceFile:
        return refusal("Invalid File", "Please specify a valid input video file.", "edtSource");
    case SplitCheck::StartTime:
        return refusal("Invalid Start Time", "Please varify the Start Time you selected.");
    case SplitCheck::EndTime:
        return refusal("Invalid End Time", "Please varify the End Time you selected.");
    case SplitCheck::Range:
        return refusal("Invalid Time", "The End Time should be later than the Start Time.");
    case SplitCheck::Sections:
        return refusal("Invalid Section", "Please specify a valid section quantity.", "edtSectionQty");
    case SplitCheck::Profile:
        return refusal("Invalid Output Path", "Please select a valid output profile.", "cmbProfile");
    case SplitCheck::OutputFolder:
        return refusal("Invalid Output Path", "Please specify a valid output path.", "edtOutputDir");
    }
    return {};
}
