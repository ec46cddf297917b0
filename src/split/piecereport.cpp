#include "split/piecereport.h"

QString DescribeFailedPieces(const QList<PieceReport>& failedPieces)
{
    QString text = failedPieces.size() == 1
                       ? QStringLiteral("One piece could not be written.")
                       : QStringLiteral("%1 pieces could not be written.").arg(failedPieces.size());
    for (const PieceReport& piece : failedPieces) {
        text += QStringLiteral("\n\nPiece %1: %2\n%3").arg(piece.number).arg(piece.outputPath, piece.reason);
        if (!piece.lastLines.isEmpty())
            text += QStringLiteral(" The encoder's last lines:\n") + piece.lastLines;
    }
    return text;
}
