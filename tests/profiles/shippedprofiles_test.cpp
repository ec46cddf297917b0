#include "platform/errors.h"
#include "profiles/profilemodel.h"
#include "profiles/profileswitches.h"
#include "profiles/videosize.h"
#include "qtprinters.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// Every profile that ships runs through the real encoder on a short clip made here, with its stored choices
// and with every caption of every list parameter chosen once, and every output is probed for the streams
// the choices ask for.

namespace {

const QString kShippedDir = QStringLiteral(BRINDLECUT_SOURCE_DIR "/data/Profiles");

// The choices that make the encoders fast, taken as the ground for every other caption where a profile
// offers them.
const std::map<QString, QString> kFastChoices = {
    {"Preset", "Ultra Fast"},
    {"Deadline", "Real Time"},
    {"CPU Used", "8"},
};

// What ffprobe names the stream an encoder writes; a copy keeps the clip's own.
const std::map<QString, QString> kCodecNames = {
    {"libx264", "h264"}, {"libvpx-vp9", "vp9"}, {"mpeg4", "mpeg4"},    {"wmv2", "wmv2"},   {"mpeg2video", "mpeg2video"},
    {"aac", "aac"},      {"libopus", "opus"},   {"libmp3lame", "mp3"}, {"wmav2", "wmav2"}, {"mp2", "mp2"},
};
const QString kClipVideoCodec = QStringLiteral("h264");
const QString kClipAudioCodec = QStringLiteral("aac");

QStringList shippedProfiles()
{
    QStringList names;
    for (const QString& file : QDir(kShippedDir).entryList({QStringLiteral("*.apf")}, QDir::Files, QDir::Name))
        names.append(file.chopped(4));
    return names;
}

struct Choice
{
    ProfileGrid grid;
    QString row;
    QString text;
};

struct Probe
{
    bool opened = false;
    QString error;
    double duration = 0;
    std::vector<QJsonObject> video;
    std::vector<QJsonObject> audio;
};

class ShippedProfileTest : public testing::TestWithParam<QString>
{
protected:
    static void SetUpTestSuite()
    {
        s_ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        s_ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
        if (s_ffmpeg.isEmpty() || s_ffprobe.isEmpty())
            return;
        s_dir = new QTemporaryDir;
        s_clip = s_dir->filePath(QStringLiteral("clip.mp4"));
        const QString error =
            run(s_ffmpeg, {"-nostdin", "-v",        "error",     "-y",
                           "-f",       "lavfi",     "-i",        "testsrc2=duration=2:size=160x120:rate=25",
                           "-f",       "lavfi",     "-i",        "sine=frequency=440:duration=2:sample_rate=44100",
                           "-ac",      "2",         "-c:v",      "libx264",
                           "-preset",  "ultrafast", "-pix_fmt",  "yuv420p",
                           "-c:a",     "aac",       "-shortest", s_clip});
        if (!error.isEmpty())
            s_clip.clear();
    }

    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override
    {
        if (s_ffmpeg.isEmpty() || s_ffprobe.isEmpty())
            GTEST_SKIP() << "ffmpeg and ffprobe are needed";
        ASSERT_FALSE(s_clip.isEmpty()) << "the clip could not be made";
    }

    // Runs a program to its end; the empty text when it exited with 0, else what it printed.
    static QString run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
    {
        QProcess process;
        process.setProcessChannelMode(output ? QProcess::SeparateChannels : QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return QStringLiteral("did not finish");
        }
        if (output)
            *output = process.readAllStandardOutput();
        const QString printed = QString::fromUtf8(output ? process.readAllStandardError() : process.readAll());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return QStringLiteral("exit %1: %2").arg(process.exitCode()).arg(printed.right(800));
        return {};
    }

    static Probe probe(const QString& file)
    {
        Probe result;
        QByteArray json;
        result.error = run(s_ffprobe, {"-v", "error", "-show_streams", "-show_format", "-of", "json", file}, &json);
        if (!result.error.isEmpty())
            return result;
        const QJsonObject root = QJsonDocument::fromJson(json).object();
        result.opened = root.contains(QStringLiteral("format"));
        result.duration =
            root.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
        for (const QJsonValue& stream : root.value(QStringLiteral("streams")).toArray()) {
            const QString type = stream.toObject().value(QStringLiteral("codec_type")).toString();
            if (type == QLatin1String("video"))
                result.video.push_back(stream.toObject());
            else if (type == QLatin1String("audio"))
                result.audio.push_back(stream.toObject());
        }
        return result;
    }

    // The value after `option` among the arguments; empty when it is not there.
    static QString valueOf(const QStringList& arguments, const QString& option)
    {
        const qsizetype at = arguments.lastIndexOf(option);
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
    }

    // Loads the profile, makes the choices, builds the switches, runs the encoder and checks its output.
    void encode(const QString& label, const std::vector<Choice>& choices)
    {
        SCOPED_TRACE(label.toStdString());
        ProfileModel model;
        ASSERT_TRUE(model.LoadProfile(m_path));
        for (const Choice& choice : choices)
            ASSERT_TRUE(model.ChooseShownText(choice.grid, choice.row, choice.text)) << choice.row.toStdString();
        QString switches;
        try {
            BuildProfileSwitches(m_path, model, switches);
        } catch (const BrindlecutError& error) {
            FAIL() << error.text().toStdString();
        }
        // A caption that builds the same switches as one run before gives the same file.
        if (m_built.contains(switches))
            return;
        m_built.insert(switches);
        // No shipped switch value holds a blank, so blanks alone separate the arguments.
        const QStringList profileArguments = switches.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString output = s_dir->filePath(QStringLiteral("out%1").arg(++m_runs) + model.OutputExt());
        const QString error =
            run(s_ffmpeg, QStringList{"-nostdin", "-v", "error", "-y", "-i", s_clip, "-ss", "0.0", "-t", "2"} +
                              profileArguments + QStringList{output});
        ASSERT_TRUE(error.isEmpty()) << switches.toStdString() << "\n" << error.toStdString();

        const Probe result = probe(output);
        QFile::remove(output);
        ASSERT_TRUE(result.opened) << switches.toStdString() << "\n" << result.error.toStdString();
        EXPECT_GT(result.duration, 1.5) << switches.toStdString();
        EXPECT_LT(result.duration, 2.5) << switches.toStdString();

        const bool wantsVideo = !profileArguments.contains(QStringLiteral("-vn"));
        const bool wantsAudio = !profileArguments.contains(QStringLiteral("-an"));
        ASSERT_EQ(result.video.size(), wantsVideo ? 1u : 0u) << switches.toStdString();
        ASSERT_EQ(result.audio.size(), wantsAudio ? 1u : 0u) << switches.toStdString();
        if (wantsVideo)
            checkVideo(result.video[0], profileArguments, switches);
        if (wantsAudio)
            checkAudio(result.audio[0], profileArguments, switches);
    }

    void checkVideo(const QJsonObject& stream, const QStringList& arguments, const QString& switches) const
    {
        const QString encoder = valueOf(arguments, "-c:v");
        const QString expected = encoder == "copy" ? kClipVideoCodec : kCodecNames.at(encoder);
        EXPECT_EQ(stream.value("codec_name").toString(), expected) << switches.toStdString();
        const QString size = valueOf(arguments, "-s");
        const QString shown =
            QStringLiteral("%1x%2").arg(stream.value("width").toInt()).arg(stream.value("height").toInt());
        EXPECT_EQ(shown, size.isEmpty() ? QStringLiteral("160x120") : size) << switches.toStdString();
    }

    void checkAudio(const QJsonObject& stream, const QStringList& arguments, const QString& switches) const
    {
        const QString encoder = valueOf(arguments, "-c:a");
        const QString expected = encoder == "copy" ? kClipAudioCodec : kCodecNames.at(encoder);
        EXPECT_EQ(stream.value("codec_name").toString(), expected) << switches.toStdString();
        const QString channels = valueOf(arguments, "-ac");
        EXPECT_EQ(stream.value("channels").toInt(), channels.isEmpty() ? 2 : channels.toInt())
            << switches.toStdString();
        // Opus streams always state 48000.
        const QString rate = valueOf(arguments, "-ar");
        if (!rate.isEmpty() && expected != "opus") {
            EXPECT_EQ(stream.value("sample_rate").toString(), rate) << switches.toStdString();
        }
    }

    QString m_path = kShippedDir + QLatin1Char('/') + GetParam() + QStringLiteral(".apf");
    int m_runs = 0;
    QSet<QString> m_built;

    static inline QString s_ffmpeg;
    static inline QString s_ffprobe;
    static inline QString s_clip;
    static inline QTemporaryDir* s_dir = nullptr;
};

TEST_P(ShippedProfileTest, EveryChoiceGivesAGoodFile)
{
    QElapsedTimer timer;
    timer.start();
    encode(QStringLiteral("stored choices"), {});

    ProfileModel model;
    ASSERT_TRUE(model.LoadProfile(m_path));
    std::vector<Choice> fast;
    for (ProfileGrid grid : kProfileGrids) {
        const ValueListRows& rows = model.Rows(grid);
        for (int row = 0; row < rows.RowCount(); ++row) {
            const auto found = kFastChoices.find(rows.Name(row));
            if (found != kFastChoices.end())
                fast.push_back({grid, rows.Name(row), found->second});
        }
    }
    for (ProfileGrid grid : kProfileGrids) {
        const ValueListRows& rows = model.Rows(grid);
        for (int row = 0; row < rows.RowCount(); ++row) {
            if (rows.Style(row) != ValueListRows::EditStyle::PickList)
                continue;
            for (const QString& caption : rows.PickList(row)) {
                std::vector<Choice> choices = fast;
                choices.push_back({grid, rows.Name(row), caption});
                encode(rows.Name(row) + " = " + caption, choices);
            }
            if (rows.Name(row) == kVideoSizeRow && rows.PickList(row).contains(kCustomSize)) {
                std::vector<Choice> choices = fast;
                choices.push_back({grid, rows.Name(row), QStringLiteral("176x144")});
                encode(QStringLiteral("custom size 176x144"), choices);
            }
        }
    }
    std::printf("%s: %d encoder runs in %.1f s\n", qPrintable(GetParam()), m_runs, timer.elapsed() / 1000.0);
}

std::string testName(const testing::TestParamInfo<QString>& info)
{
    std::string name;
    for (const QChar c : info.param) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += static_cast<char>(c.unicode());
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedProfileTest, testing::ValuesIn(shippedProfiles()), testName);

TEST(ShippedProfiles, CoverTheCommonFormatsAndTheSourcesOwnSettings)
{
    const QStringList names = shippedProfiles();
    for (const char* name : {"MP4 - H.264 and AAC", "MKV - H.264 and AAC", "WebM - VP9 and Opus",
                             "AVI - MPEG-4 and MP3", "MOV - H.264 and AAC", "WMV - WMV2 and WMA2",
                             "MPEG-2 - Program Stream", "MP3 - Audio Only", "Settings of the source file."})
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
}

} // namespace
