#include "cli/sourceprobe.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

std::optional<std::int64_t> SourceDurationMs(const QString& path)
{
    // The tool reports an unreadable source itself; libavformat's own complaints would only repeat it.
    av_log_set_level(AV_LOG_QUIET);
#ifdef Q_OS_WIN
    const QByteArray name = path.toUtf8();
#else
    const QByteArray name = QFile::encodeName(path);
#endif
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, name.constData(), nullptr, nullptr) < 0)
        return std::nullopt;

    std::optional<std::int64_t> durationMs;
    if (avformat_find_stream_info(format, nullptr) >= 0 && format->nb_streams > 0) {
        // AV_TIME_BASE counts microseconds; the window's media graph truncates to whole milliseconds.
        durationMs = format->duration == AV_NOPTS_VALUE ? 0 : format->duration / (AV_TIME_BASE / 1000);
    }
    avformat_close_input(&format);
    return durationMs;
}
