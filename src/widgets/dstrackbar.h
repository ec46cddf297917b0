#pragma once

#include <QSlider>
#include <QTimer>
#include <cstdint>

class MediaSeeking;

// The preview's position bar, in whole seconds of the media it follows. While the media plays it ticks once a
// second: it takes range and position from the media and raises OnTimer, except while the left button is held
// on it. Releasing the left button seeks the media to the thumb. It draws a selection band between SelStart and
// SelEnd and a tick mark every Frequency positions.
class DSTrackBar final : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart)
    Q_PROPERTY(int SelEnd READ selEnd WRITE setSelEnd)
    Q_PROPERTY(int Frequency READ frequency WRITE setFrequency)
    Q_PROPERTY(int ThumbLength READ thumbLength WRITE setThumbLength)

public:
    static constexpr int kTimerInterval = 1000;

    explicit DSTrackBar(QWidget* parent = nullptr);

    // The media the bar follows (not owned); nullptr for none.
    void setFilterGraph(MediaSeeking* graph) { m_graph = graph; }
    MediaSeeking* filterGraph() const { return m_graph; }

    int selStart() const { return m_selStart; }
    void setSelStart(int position);
    int selEnd() const { return m_selEnd; }
    void setSelEnd(int position);
    int frequency() const { return tickInterval(); }
    void setFrequency(int positions) { setTickInterval(positions); }
    int thumbLength() const { return m_thumbLength; }
    void setThumbLength(int pixels);

    // The once-a-second tick runs while the media plays: playing starts it, pausing and stopping end it.
    void setTimerEnabled(bool enabled);
    bool timerEnabled() const { return m_timer.isActive(); }

    // One tick of the timer.
    void timerTick();

Q_SIGNALS:
    // Raised by every tick that updated the bar: the media's position and length in milliseconds.
    void OnTimer(std::int64_t currentPosition, std::int64_t duration);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void seekToThumb();
    int pixelOf(int position) const;

    MediaSeeking* m_graph = nullptr;
    QTimer m_timer;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_thumbLength = 8;
    bool m_leftButtonHeld = false;
};
