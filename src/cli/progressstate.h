#pragma once

#include <QString>

// What the progress line shows: the piece, its share done, the job's share done and the job's clock.
struct ProgressState
{
    int pieceNumber = 0; // counts from 1
    int pieceCount = 0;
    QString label; // "Splitting: Section 2" or "Splitting: <source file name>"
    int currentPosition = 0;
    int totalPosition = 0;
    QString elapsed = QStringLiteral("00:00:00");
    QString remaining = QStringLiteral("00:00:00");
};

// "[2/3] Splitting: Section 2  Current: 45%  Total: 48%  Elapsed: 00:00:12  Remaining: 00:00:13"
QString RenderProgressLine(const ProgressState& state);
