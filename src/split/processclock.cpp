#include "split/processclock.h"

#include "platform/numbers.h"
#include "split/timecode.h"

void ProcessClock::tick(int totalPosition)
{
    ++m_elapsedSeconds;
    const double elapsed = m_elapsedSeconds;
    m_remainingSeconds = totalPosition == 0 ? 0 : RoundHalfEven(elapsed / (totalPosition / 100.0) - elapsed);
}

QString ProcessClock::elapsedText() const
{
    return SecondsToTimeCode(m_elapsedSeconds);
}

QString ProcessClock::remainingText() const
{
    return SecondsToTimeCode(static_cast<double>(m_remainingSeconds));
}
