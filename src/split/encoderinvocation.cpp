#include "split/encoderinvocation.h"

#include "split/windowscommandline.h"

QString EncoderCommand(const EncoderInvocation& invocation)
{
    const QString input = QStringLiteral(" -i \"") + invocation.sourcePath + QLatin1Char('"');
    const QString seek = QStringLiteral(" -ss ") + invocation.startText;
    return QStringLiteral(" -y") + (invocation.fastSeek ? seek + input : input + seek) + QStringLiteral(" -t ") +
           invocation.lengthText + invocation.switches + QStringLiteral(" \"") + invocation.outputPath +
           QLatin1Char('"');
}

QStringList EncoderArguments(const EncoderInvocation& invocation)
{
    const QStringList input{QStringLiteral("-i"), invocation.sourcePath};
    const QStringList seek{QStringLiteral("-ss"), invocation.startText};

    // After the input the encoder decodes up to the start and cuts there; before it, it seeks in the source.
    QStringList arguments{QStringLiteral("-y")};
    if (invocation.fastSeek)
        arguments << seek << input;
    else
        arguments << input << seek;
    arguments << QStringLiteral("-t") << invocation.lengthText;
    arguments << SplitWindowsCommandLine(invocation.switches);
    arguments << invocation.outputPath;
    return arguments;
}
