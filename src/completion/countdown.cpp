#include "completion/countdown.h"

QString Countdown::actionCaption() const
{
    return m_mode == CountdownMode::PowerOff ? QStringLiteral("Turn off Now") : QStringLiteral("Exit Now");
}

QString Countdown::messagePrefix() const
{
    return m_mode == CountdownMode::PowerOff ? QStringLiteral("The computer will be turned off within")
                                             : QStringLiteral("The program will exit within");
}

bool Countdown::tick()
{
    if (m_secondsLeft <= 0)
        return false;
    --m_secondsLeft;
    return m_secondsLeft == 0;
}

QString Countdown::message() const
{
    return messagePrefix() + QLatin1Char(' ') + QString::number(m_secondsLeft) + QStringLiteral(" seconds.");
}
