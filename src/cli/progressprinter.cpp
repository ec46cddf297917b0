#include "cli/progressprinter.h"

#include <QIODevice>

namespace {

// Carriage return, then the line, then "erase to the end of the line" for what a longer line left.
const QString kRedrawStart = QStringLiteral("\r");
const QString kEraseRest = QStringLiteral("\x1b[K");

} // namespace

ProgressPrinter::ProgressPrinter(QIODevice& device, bool terminal, int columns)
    : m_device(device), m_terminal(terminal), m_columns(columns)
{}

void ProgressPrinter::pieceStarted(int number, int count, const QString& label)
{
    endLine();
    m_state.pieceNumber = number;
    m_state.pieceCount = count;
    m_state.label = label;
    m_state.currentPosition = 0;
    m_plainTenths = -1;
    if (m_terminal) {
        redraw();
    } else {
        m_plainTenths = 0;
        write(RenderProgressLine(m_state) + QLatin1Char('\n'));
    }
}

void ProgressPrinter::progressChanged(int currentPosition, int totalPosition)
{
    m_state.currentPosition = currentPosition;
    m_state.totalPosition = totalPosition;
    if (m_terminal) {
        redraw();
    } else if (currentPosition / 10 > m_plainTenths) {
        m_plainTenths = currentPosition / 10;
        write(RenderProgressLine(m_state) + QLatin1Char('\n'));
    }
}

void ProgressPrinter::clockChanged(const QString& elapsed, const QString& remaining)
{
    m_state.elapsed = elapsed;
    m_state.remaining = remaining;
    if (m_terminal && m_lineOpen)
        redraw();
}

void ProgressPrinter::endLine()
{
    if (!m_lineOpen)
        return;
    m_lineOpen = false;
    write(QStringLiteral("\n"));
}

void ProgressPrinter::message(const QString& text)
{
    endLine();
    write(text + QLatin1Char('\n'));
}

void ProgressPrinter::redraw()
{
    QString line = RenderProgressLine(m_state);
    // A line longer than the terminal wraps, and the carriage return would then redraw only its last part.
    if (m_columns > 1 && line.size() > m_columns - 1)
        line.truncate(m_columns - 1);
    if (m_lineOpen && line == m_drawn)
        return;
    write(kRedrawStart + line + kEraseRest);
    m_drawn = line;
    m_lineOpen = true;
}

void ProgressPrinter::write(const QString& text)
{
    m_device.write(text.toLocal8Bit());
}
