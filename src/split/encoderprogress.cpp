#include "split/encoderprogress.h"

#include "platform/numbers.h"

#include <QRegularExpression>
#include <QString>
#include <algorithm>

namespace {

constexpr double kTimeLimit = 1e9;

// FFmpeg's form: [-]hours:minutes:seconds[.fraction]
std::optional<double> parseClockTime(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(-?)(\\d+):(\\d+):(\\d+(?:\\.\\d*)?)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double seconds =
        match.captured(2).toDouble() * 3600 + match.captured(3).toDouble() * 60 + match.captured(4).toDouble();
    return match.captured(1).isEmpty() ? seconds : -seconds;
}

} // namespace

std::optional<double> ProgressTimeInChunk(QByteArrayView chunk)
{
    const qsizetype zero = chunk.indexOf('\0');
    if (zero >= 0)
        chunk = chunk.first(zero);

    const qsizetype time = chunk.indexOf("time");
    if (time < 0)
        return std::nullopt;
    const qsizetype valueStart = time + 5; // the four letters and the "=" after them
    if (valueStart > chunk.size())
        return std::nullopt;
    const qsizetype blank = chunk.indexOf(' ', valueStart);
    if (blank < 0)
        return std::nullopt;

    const QString candidate = QString::fromLatin1(chunk.sliced(valueStart, blank - valueStart));
    if (candidate.isEmpty())
        return std::nullopt;
    if (const std::optional<double> seconds = ParseDecimal(candidate, QLatin1Char('.')))
        return seconds;
    return parseClockTime(candidate);
}

EncoderProgress::EncoderProgress(int pieceNumber, int pieceCount, double pieceLength)
    : m_pieceNumber(pieceNumber), m_pieceCount(pieceCount), m_pieceLength(pieceLength)
{}

void EncoderProgress::takeChunk(QByteArrayView chunk)
{
    const std::optional<double> time = ProgressTimeInChunk(chunk);
    if (time && *time > m_lastTime && *time < kTimeLimit)
        m_lastTime = *time;

    if (m_pieceLength != 0)
        m_current = static_cast<int>(std::min<std::int64_t>(100, RoundHalfEven(m_lastTime / m_pieceLength * 100)));
    if (m_pieceCount != 0)
        m_total = static_cast<int>(
            std::clamp<std::int64_t>(RoundHalfEven((m_current + (m_pieceNumber - 1) * 100.0) / m_pieceCount), 0, 100));
}
