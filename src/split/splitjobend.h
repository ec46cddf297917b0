#pragma once

#include "split/piecereport.h"

#include <QList>
#include <QString>

// How a job ended.
struct SplitJobEnd
{
    enum class Kind
    {
        Completed,   // every piece was tried; failedPieces names those that failed
        Cancelled,   // the user cancelled; the encoder has ended
        Stopped,     // one clip, its output existed, and the user chose not to overwrite it
        StartFailed, // the encoder could not be started; message says so
    };

    Kind kind = Kind::Completed;
    QList<PieceReport> failedPieces;
    QString message;
};
