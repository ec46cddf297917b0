#pragma once

#include <QString>
#include <cstdint>

// The elapsed and remaining time of a job, ticked once a second by its owner's timer.
class ProcessClock final
{
public:
    void reset()
    {
        m_elapsedSeconds = 0;
        m_remainingSeconds = 0;
    }
    // One second more; `totalPosition` is the job's share done (0 to 100) at this moment.
    void tick(int totalPosition);

    std::int32_t ElapsedSeconds() const { return m_elapsedSeconds; }
    std::int64_t remainingSeconds() const { return m_remainingSeconds; }
    QString elapsedText() const;
    QString remainingText() const;

private:
    std::int32_t m_elapsedSeconds = 0;
    std::int64_t m_remainingSeconds = 0;
};
