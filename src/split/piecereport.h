#pragma once

#include <QList>
#include <QString>

// How one piece of a job ended.
struct PieceReport
{
    enum class Result
    {
        Written,
        Failed,    // the encoder failed, crashed, or left no output (see reason and lastLines)
        Skipped,   // the output existed and the user chose not to overwrite it
        Cancelled, // the job was cancelled while this piece ran
    };

    int number = 0; // counts from 1
    QString outputPath;
    Result result = Result::Written;
    QString reason;    // for a failed piece: what was wrong, in a sentence
    QString lastLines; // for a failed piece: the encoder's last lines of output
};

// The text that names every failed piece with what went wrong and the encoder's last lines.
QString DescribeFailedPieces(const QList<PieceReport>& failedPieces);
