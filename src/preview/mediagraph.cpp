#include "preview/mediagraph.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>
#include <algorithm>
#include <limits>
#include <utility>

MediaGraph::MediaGraph(QWidget* videoWindow, QObject* parent) : QObject(parent), m_videoWindow(videoWindow) {}

MediaGraph::~MediaGraph()
{
    // The player goes first, quietly, and lets go of the video widget before the window deletes it.
    if (m_player != nullptr) {
        m_player->disconnect(this);
        m_player->stop();
    }
    delete m_player;
    delete m_audioOutput;
}

void MediaGraph::activate()
{
    if (active())
        return;
    // The video widget stays hidden until showVideo(): its native window would cover whatever lies over it.
    m_videoWidget = new QVideoWidget(m_videoWindow);
    m_videoWidget->setObjectName(QStringLiteral("VideoRenderer"));
    m_videoWidget->setGeometry(m_videoWindow->rect());
    m_videoWidget->hide();

    m_audioOutput = new QAudioOutput(this);
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_audioOutput);
    m_player->setVideoOutput(m_videoWidget);
    connect(m_player, &QMediaPlayer::durationChanged, this, &MediaGraph::durationChanged);
    connect(m_player, &QMediaPlayer::seekableChanged, this, [this](bool seekable) {
        if (seekable && m_pendingSeek)
            m_player->setPosition(*std::exchange(m_pendingSeek, std::nullopt));
    });
}

void MediaGraph::clear()
{
    if (!active())
        return;
    m_pendingSeek.reset();
    m_player->stop();
    m_player->setSource(QUrl());
}

void MediaGraph::renderFile(const QString& path)
{
    if (!active())
        return;
    m_pendingSeek.reset();
    m_player->setSource(QUrl::fromLocalFile(path));
}

void MediaGraph::play()
{
    if (!active())
        return;
    m_player->play();
    Q_EMIT playingChanged(true);
}

void MediaGraph::pause()
{
    if (!active())
        return;
    m_player->pause();
    Q_EMIT playingChanged(false);
}

void MediaGraph::stop()
{
    if (!active())
        return;
    m_player->stop();
    Q_EMIT playingChanged(false);
}

void MediaGraph::showVideo()
{
    if (m_videoWidget != nullptr)
        m_videoWidget->show();
}

std::int32_t MediaGraph::duration() const
{
    if (!active())
        return 0;
    return static_cast<std::int32_t>(
        std::clamp<qint64>(m_player->duration(), 0, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t MediaGraph::currentPosition() const
{
    if (!active())
        return 0;
    return m_pendingSeek ? *m_pendingSeek : m_player->position();
}

std::int64_t MediaGraph::stopPosition() const
{
    return duration();
}

void MediaGraph::seek(std::int64_t position)
{
    if (!active())
        return;
    // The media tells its length before it can seek; a seek in between would be lost.
    if (!m_player->isSeekable() && m_player->mediaStatus() == QMediaPlayer::LoadingMedia)
        m_pendingSeek = position;
    else
        m_player->setPosition(position);
}
