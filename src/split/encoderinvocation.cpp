#include "split/encoderinvocation.h"

#include "split/windowscommandline.h"

QString EncoderCommand(const EncoderInvocation& invocation)
{
    return QStringLiteral(" -y -i \"") + invocation.sourcePath + QStringLiteral("\" -ss ") + invocation.startText +
           QStringLiteral(" -t ") + invocation.lengthText + invocation.switches + QStringLiteral(" \"") +
           invocation.outputPath + QLatin1Char('"');
}

QStringList EncoderArguments(const EncoderInvocation& invocation)
{
    const QStringList input{QStringLiteral("-i"), invocation.sourcePath};
    const QStringList seek{QStringLiteral("-ss"), invocation.startText};

    // The seek follows the input, so the encoder decodes up to the start and cuts there.
    QStringList arguments{QStringLiteral("-y")};
    arguments << input << seek;
    arguments << QStringLiteral("-t") << invocation.lengthText;
    arguments << SplitWindowsCommandLine(invocation.switches);
    arguments << invocation.outputPath;
    return arguments;
}
