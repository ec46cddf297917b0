#pragma once

#include "widgets/mediaseeking.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;
class QWidget;

// The preview's media: one source at a time, its picture in the video window, its sound on the default output.
// Loading is asynchronous: renderFile returns at once and durationChanged follows when the media has told its
// length; a seek asked for while the media is still loading waits until it can seek. Until activate() every
// operation does nothing. Results are not reported: a file that cannot be played leaves the video window black
// and silent, with a duration of 0.
class MediaGraph final : public QObject, public MediaSeeking
{
    Q_OBJECT

public:
    // The picture fills `videoWindow`, which must outlive the graph.
    explicit MediaGraph(QWidget* videoWindow, QObject* parent = nullptr);
    ~MediaGraph() override;

    bool active() const { return m_player != nullptr; }
    // Creates the player with its sound output and, hidden, its video widget inside the video window.
    void activate();
    // Stops and drops the source, keeping the video widget.
    void clear();
    void renderFile(const QString& path);
    void play();
    void pause();
    void stop();
    void showVideo();

    std::int32_t duration() const override;
    std::int64_t currentPosition() const override;
    std::int64_t stopPosition() const override;
    void seek(std::int64_t position) override;

Q_SIGNALS:
    // play() starts playing, pause() and stop() end it.
    void playingChanged(bool playing);
    // The media told a new length (0 when a source is dropped).
    void durationChanged();

private:
    QWidget* m_videoWindow;
    QMediaPlayer* m_player = nullptr;      // a child of the graph
    QAudioOutput* m_audioOutput = nullptr; // a child of the graph
    QVideoWidget* m_videoWidget = nullptr; // owned by the video window
    std::optional<std::int64_t> m_pendingSeek;
};
