#include "split/splitplan.h"

#include "platform/numbers.h"
#include "split/splitcheck.h"
#include "split/timecode.h"

#include <QFileInfo>
#include <optional>

namespace {

constexpr double kInvalidTime = -1.0;

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool folderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

std::variant<SplitPlan, SplitRefusal> SplitPlan::Make(const SplitInputs& inputs)
{
    if (!fileExists(inputs.sourcePath))
        return RefusalFor(SplitCheck::SourceFile);

    const double start = TimeCodeToSeconds(inputs.startText);
    if (start == kInvalidTime || !(static_cast<double>(inputs.durationMs) / 1000.0 > start))
        return RefusalFor(SplitCheck::StartTime);

    const double end = TimeCodeToSeconds(inputs.endText);
    if (end == kInvalidTime || !(end > 0))
        return RefusalFor(SplitCheck::EndTime);

    const double rangeLength = end - start;
    if (!(rangeLength > 0))
        return RefusalFor(SplitCheck::Range);

    std::int32_t pieceCount = 1;
    if (inputs.mode != SplitMode::OneClip) {
        const std::optional<std::int32_t> sections = ParseInteger(inputs.sectionText);
        if (!sections)
            return RefusalFor(SplitCheck::Sections);
        pieceCount = *sections;
    }

    if (!fileExists(inputs.profilePath))
        return RefusalFor(SplitCheck::Profile);

    if (!folderExists(inputs.outputDir))
        return RefusalFor(SplitCheck::OutputFolder);

    SplitPlan plan;
    plan.m_sourcePath = inputs.sourcePath;
    plan.m_outputFolder = EnsureTrailingBackslash(inputs.outputDir, inputs.pathStyle);
    plan.m_rangeStart = start;
    plan.m_rangeLength = rangeLength;
    plan.m_pieceCount = pieceCount;
    plan.m_pathStyle = inputs.pathStyle;
    return plan;
}

QString SplitPlan::OutputPathFor(const QString& outputFolder, const QString& sourcePath, int n,
                                 const QString& outputExt, PathStyle style)
{
    return EnsureTrailingBackslash(outputFolder, style) + NameWithoutExtension(FileNamePart(sourcePath, style)) +
           QStringLiteral("_Clip") + QString::number(n) + outputExt;
}

double SplitPlan::PieceLength(SplitMode mode) const
{
    return mode == SplitMode::OneClip ? m_rangeLength : m_rangeLength / m_pieceCount;
}

double SplitPlan::PieceStart(int n, SplitMode mode) const
{
    return mode == SplitMode::OneClip ? m_rangeStart : (n - 1) * PieceLength(mode) + m_rangeStart;
}

QString SplitPlan::startText(int n, SplitMode mode) const
{
    // The same form as the length, so the starts of equal sections meet the ends of the ones before.
    return FormatGeneral(PieceStart(n, mode));
}

QString SplitPlan::lengthText(SplitMode mode) const
{
    return FormatGeneral(PieceLength(mode));
}

QString SplitPlan::outputPath(int n, const QString& outputExt) const
{
    return OutputPathFor(m_outputFolder, m_sourcePath, n, outputExt, m_pathStyle);
}

QString SplitPlan::processingLabel(int n, SplitMode mode) const
{
    if (mode == SplitMode::OneClip)
        return QStringLiteral("Splitting: ") + FileNamePart(m_sourcePath, m_pathStyle);
    return QStringLiteral("Splitting: Section ") + QString::number(n);
}
