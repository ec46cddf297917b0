#pragma once

#include "platform/paths.h"
#include "split/splitinputs.h"
#include "split/splitmode.h"
#include "split/splitrefusal.h"

#include <QString>
#include <cstdint>
#include <variant>

// The pieces of one job: how many, where each starts, how long it is, and where it is written.
// The mode is a parameter of the piece values because a job reads it again for every piece.
class SplitPlan final
{
public:
    // Runs the checks in their order and gives the first refusal, or the plan when every check passes.
    static std::variant<SplitPlan, SplitRefusal> Make(const SplitInputs& inputs);

    // `outputFolder` + the source's name without extension + "_Clip" + n + `outputExt`.
    static QString OutputPathFor(const QString& outputFolder, const QString& sourcePath, int n,
                                 const QString& outputExt, PathStyle style = NativePathStyle());

    const QString& sourcePath() const { return m_sourcePath; }
    // The output folder with its trailing separator.
    const QString& outputFolder() const { return m_outputFolder; }
    double rangeStart() const { return m_rangeStart; }
    double rangeLength() const { return m_rangeLength; }
    // 1 in one-clip mode, else the section quantity, which may be 0 or less (then no piece runs).
    std::int32_t PieceCount() const { return m_pieceCount; }

    double PieceLength(SplitMode mode) const;
    double PieceStart(int n, SplitMode mode) const;
    // The texts handed to the encoder: full precision with the point, whatever the locale.
    QString startText(int n, SplitMode mode) const;
    QString lengthText(SplitMode mode) const;
    QString outputPath(int n, const QString& outputExt) const;
    // "Splitting: <source file name>" or "Splitting: Section n".
    QString processingLabel(int n, SplitMode mode) const;

private:
    SplitPlan() = default;

    QString m_sourcePath;
    QString m_outputFolder;
    double m_rangeStart = 0;
    double m_rangeLength = 0;
    std::int32_t m_pieceCount = 0;
    PathStyle m_pathStyle = NativePathStyle();
};
