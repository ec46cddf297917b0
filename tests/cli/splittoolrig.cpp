#include "splittoolrig.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

SplitToolRig::SplitToolRig()
{
    program.writeFile("Profiles/Test.apf", "[Main]\nType=mp4\nPara=1\n0=Preset\n"
                                           "[Preset]\nSort=3\ncmd=-preset\nCaption=Fast,Slow,\nValue=fast,slow,\n"
                                           "Index=1\n");
    program.makeFolder("out");
    sourcePath = program.path("in/clip.mp4");
    outputDir = program.path("out");
}

bool SplitToolRig::makeVideo(const QString& relative, int seconds, bool withSound) const
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty())
        return false;
    program.makeFolder(QFileInfo(relative).path());
    const QString length = QString::number(seconds);
    QStringList arguments{
        "-y", "-v", "error", "-f", "lavfi", "-i", "testsrc=duration=" + length + ":size=160x120:rate=25"};
    if (withSound)
        arguments << QStringList{"-f",   "lavfi", "-i",       "sine=frequency=440:duration=" + length,
                                 "-c:a", "aac",   "-shortest"};
    arguments << QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", program.path(relative)};
    QProcess process;
    process.start(ffmpeg, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool SplitToolRig::placeSource() const
{
    // Made once: every test reads the same six seconds, and ffmpeg need not run for each.
    static const std::unique_ptr<SplitToolRig> shared = [] {
        auto rig = std::make_unique<SplitToolRig>();
        return rig->makeVideo("in/clip.mp4", 6) ? std::move(rig) : nullptr;
    }();
    if (!shared)
        return false;
    program.makeFolder("in");
    return QFile::copy(shared->sourcePath, sourcePath);
}

ToolRun SplitToolRig::run(const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    start(process, arguments);
    ToolRun run;
    run.finished = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void SplitToolRig::start(QProcess& process, const QStringList& arguments) const
{
    process.setProgram(QStringLiteral(BRINDLECUT_SPLIT_PATH));
    process.setArguments(arguments + QStringList{"--app-dir", program.appDir()});
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
}

QStringList SplitToolRig::outputs() const
{
    return QDir(outputDir).entryList(QDir::Files, QDir::Name);
}
