#include "cli/progressstate.h"

QString RenderProgressLine(const ProgressState& state)
{
    return QStringLiteral("[%1/%2] %3  Current: %4%  Total: %5%  Elapsed: %6  Remaining: %7")
        .arg(state.pieceNumber)
        .arg(state.pieceCount)
        .arg(state.label)
        .arg(state.currentPosition)
        .arg(state.totalPosition)
        .arg(state.elapsed, state.remaining);
}
