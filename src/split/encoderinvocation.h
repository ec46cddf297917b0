#pragma once

#include <QString>
#include <QStringList>

// One run of the encoder: the piece's source, start, length, the profile's switches and the output file.
struct EncoderInvocation
{
    QString sourcePath;
    QString startText;
    QString lengthText;
    QString switches; // each switch with its own leading blank; may be empty
    QString outputPath;
    // Seek in the source: "-ss" and the start stand before "-i", so the encoder jumps to the piece instead
    // of decoding everything before it.
    bool fastSeek = false;
};

// The command line as text: ' -y -i "source" -ss start -t length' + switches + ' "output"', or with a fast
// seek ' -y -ss start -i "source" -t length' + switches + ' "output"'. Shown and compared, never parsed: the
// process gets EncoderArguments.
QString EncoderCommand(const EncoderInvocation& invocation);

// The same command line as an argument vector. The source and the output are one argument each whatever
// characters they hold; the switch text is split by the Windows command-line rules.
QStringList EncoderArguments(const EncoderInvocation& invocation);
