#include "cli/progressprinter.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QString kLine0 =
    QStringLiteral("[1/2] Splitting: Section 1  Current: 0%  Total: 0%  Elapsed: 00:00:00  Remaining: 00:00:00");
const QString kLine50 =
    QStringLiteral("[1/2] Splitting: Section 1  Current: 50%  Total: 25%  Elapsed: 00:00:00  Remaining: 00:00:00");
const QString kLine50Clock =
    QStringLiteral("[1/2] Splitting: Section 1  Current: 50%  Total: 25%  Elapsed: 00:00:03  Remaining: 00:00:09");

QString redrawn(const QString& line)
{
    return QStringLiteral("\r") + line + QStringLiteral("\x1b[K");
}

} // namespace

TEST(ProgressPrinter, OnATerminalRedrawsOneLineAndEndsItBeforeAnythingElse)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProgressPrinter printer(buffer, true);
    printer.pieceStarted(1, 2, "Splitting: Section 1");
    printer.progressChanged(50, 25);
    printer.progressChanged(50, 25); // the same line again: not drawn again
    printer.clockChanged("00:00:03", "00:00:09");
    printer.message("Piece 1 is done.");
    printer.endLine(); // nothing open: nothing written
    printer.clockChanged("00:00:04", "00:00:08");

    EXPECT_EQ(QString::fromLocal8Bit(buffer.data()),
              redrawn(kLine0) + redrawn(kLine50) + redrawn(kLine50Clock) + "\nPiece 1 is done.\n");
}

TEST(ProgressPrinter, CutsARedrawnLineToTheTerminalsWidth)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProgressPrinter printer(buffer, true, 21);
    printer.pieceStarted(1, 2, "Splitting: Section 1");
    EXPECT_EQ(QString::fromLocal8Bit(buffer.data()), redrawn(kLine0.left(20)));
}

TEST(ProgressPrinter, ElsewherePrintsPlainLinesAtTheStartAndAtEachTenth)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProgressPrinter printer(buffer, false);
    printer.pieceStarted(1, 2, "Splitting: Section 1");
    for (int current : {5, 9, 50, 55, 59})
        printer.progressChanged(current, current / 2);
    printer.clockChanged("00:00:03", "00:00:09"); // shown with the next line only
    printer.pieceStarted(2, 2, "Splitting: Section 2");
    printer.progressChanged(100, 100);
    printer.message("Splitting is completed successfully.");

    EXPECT_EQ(QString::fromLocal8Bit(buffer.data()),
              kLine0 + "\n" + kLine50 + "\n" +
                  "[2/2] Splitting: Section 2  Current: 0%  Total: 29%  Elapsed: 00:00:03  Remaining: 00:00:09\n"
                  "[2/2] Splitting: Section 2  Current: 100%  Total: 100%  Elapsed: 00:00:03  Remaining: 00:00:09\n"
                  "Splitting is completed successfully.\n");
}
