#pragma once

#include <QByteArrayView>
#include <optional>

// The position the encoder reports in one chunk of its output: the text after the first "time" and one
// more character, up to the first blank, as seconds with the point ("10.00") or as hours:minutes:seconds
// ("00:01:02.50"). Nothing when the chunk has no "time", no blank after it, or no number there ("N/A").
// The chunk ends at its first zero byte.
std::optional<double> ProgressTimeInChunk(QByteArrayView chunk);

// The progress of one piece as its chunks arrive: LastTime and the positions of the two bars.
class EncoderProgress final
{
public:
    EncoderProgress() = default;
    // n counts from 1.
    EncoderProgress(int pieceNumber, int pieceCount, double pieceLength);

    // A chunk's time counts only when it moves forward and is below 1e9 seconds; the bars follow every chunk.
    void takeChunk(QByteArrayView chunk);

    double LastTime() const { return m_lastTime; }
    // 0 to 100: the piece's share done.
    int currentPosition() const { return m_current; }
    // 0 to 100: the job's share done, counting the pieces before this one as complete.
    int totalPosition() const { return m_total; }

private:
    int m_pieceNumber = 1;
    int m_pieceCount = 1;
    double m_pieceLength = 0;
    double m_lastTime = 0;
    int m_current = 0;
    int m_total = 0;
};
