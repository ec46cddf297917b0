#include "support/testmedia.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

QString MakeTestVideo(const QString& path, double seconds)
{
    const QString length = QString::number(seconds);
    // MPEG-1 and -2 know no rate of 10 frames a second; elsewhere 10 makes a length of tenths exact.
    const bool mpeg = path.endsWith(QLatin1String(".mpg")) || path.endsWith(QLatin1String(".mpeg")) ||
                      path.endsWith(QLatin1String(".vob"));
    QStringList arguments = {"-y",
                             "-v",
                             "error",
                             "-f",
                             "lavfi",
                             "-i",
                             "testsrc2=duration=" + length + ":size=64x48:rate=" + (mpeg ? "25" : "10"),
                             "-f",
                             "lavfi",
                             "-i",
                             "sine=duration=" + length + ":sample_rate=8000"};
    // H.264 and AAC where the container takes them, else the container's own codecs.
    if (path.endsWith(QLatin1String(".mp4")) || path.endsWith(QLatin1String(".mov")))
        arguments << "-c:v"
                  << "libx264"
                  << "-preset"
                  << "ultrafast"
                  << "-c:a"
                  << "aac"
                  << "-b:a"
                  << "16k";
    else if (!mpeg)
        arguments << "-ar"
                  << "22050";
    arguments << path;

    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg could not make a test video: " + ffmpeg.readAll().toStdString());
    return path;
}

namespace {

const QTemporaryDir& mediaFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

} // namespace

QString LongTestVideo()
{
    static const QString path = MakeTestVideo(mediaFolder().filePath(QStringLiteral("long.mp4")), 125.7);
    return path;
}

QString ShortTestVideo()
{
    static const QString path = MakeTestVideo(mediaFolder().filePath(QStringLiteral("short.mp4")), 20);
    return path;
}
