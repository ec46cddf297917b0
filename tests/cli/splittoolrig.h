#pragma once

#include "support/fakeencoder.h"
#include "support/tempprogramdir.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// How one run of brindlecut-split ended.
struct ToolRun
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A program folder of its own for brindlecut-split: a one-parameter profile "Test", an output folder, and
// an encoder that tests choose. The source is a short generated video, since the tool reads its duration.
class SplitToolRig final
{
public:
    SplitToolRig();

    // Makes `relative` a video of `seconds` with ffmpeg; false when ffmpeg is missing or fails.
    bool makeVideo(const QString& relative, int seconds, bool withSound = false) const;
    // Puts a six-second video at sourcePath, made once for all tests; false when it cannot be made.
    bool placeSource() const;

    // Runs the tool on `arguments` with --app-dir set to the program folder, and waits for its end.
    ToolRun run(const QStringList& arguments, int timeoutMs = 30000) const;
    // Starts the tool the same way without waiting.
    void start(QProcess& process, const QStringList& arguments) const;

    // The names in the output folder.
    QStringList outputs() const;

    TempProgramDir program;
    FakeEncoder encoder{program};
    QString sourcePath; // in/clip.mp4
    QString outputDir;
};

// Writes its output and prints one progress line at half of a one-second piece.
inline const QByteArray kWritingEncoder = "printf 'frame= 1 time=0.50 bitrate= 1k\\n'\n"
                                          "printf 'data' > \"$output\"";
