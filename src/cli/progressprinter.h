#pragma once

#include "cli/progressstate.h"

#include <QString>

class QIODevice;

// Shows a job's progress on standard error. On a terminal one line is redrawn in place; elsewhere (a file,
// a pipe) plain lines follow each other: one when a piece starts and one each time its share done passes
// another tenth.
class ProgressPrinter final
{
public:
    // `columns` is the terminal's width; 0 when it is not known. A redrawn line is cut to fit it.
    ProgressPrinter(QIODevice& device, bool terminal, int columns = 0);

    void pieceStarted(int number, int count, const QString& label);
    void progressChanged(int currentPosition, int totalPosition);
    void clockChanged(const QString& elapsed, const QString& remaining);
    // Ends the redrawn line, so that what follows starts on a line of its own.
    void endLine();
    // A line of its own, below the progress.
    void message(const QString& text);

private:
    void redraw();
    void write(const QString& text);

    QIODevice& m_device;
    bool m_terminal;
    int m_columns;
    ProgressState m_state;
    bool m_lineOpen = false;
    QString m_drawn;        // the open line as last drawn
    int m_plainTenths = -1; // the tenths of the piece that the last plain line showed
};
