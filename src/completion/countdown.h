#pragma once

#include <QString>

// What the countdown does when it reaches zero (the window's ActionMode).
enum class CountdownMode
{
    Exit = 0,
    PowerOff = 1,
};

// The ten seconds between a finished job and its exit or power-off: the mode, its texts and the seconds left.
class Countdown final
{
public:
    static constexpr int kStartSeconds = 10;

    void setMode(CountdownMode mode) { m_mode = mode; }
    CountdownMode mode() const { return m_mode; }
    // The caption of the action button for the mode.
    QString actionCaption() const;
    // The message before the number of seconds.
    QString messagePrefix() const;

    // Starts again from ten seconds.
    void restart() { m_secondsLeft = kStartSeconds; }
    // One second has passed. True when the count has just reached zero; at zero it stays there.
    bool tick();
    int secondsLeft() const { return m_secondsLeft; }
    // The prefix, the seconds left and " seconds.": the word stays plural for every number.
    QString message() const;

private:
    CountdownMode m_mode = CountdownMode::Exit;
    int m_secondsLeft = kStartSeconds;
};
