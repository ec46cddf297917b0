#include "profiles/profileswitches.h"

#include "profiles/commalist.h"
#include "profiles/listindexerror.h"
#include "profiles/profilefile.h"

namespace {

QString valueOf(const ProfileParameter& parameter, const ShownTextSource& shown)
{
    if (!parameter.list && parameter.readOnly)
        return parameter.value;
    const QString text = shown.ShownText(*parameter.grid, parameter.section);
    if (!parameter.list)
        return text;
    const QStringList values = SplitCommaList(parameter.value);
    const std::optional<int> position = FindCaption(SplitCommaList(parameter.caption), text);
    // A text that is no caption, such as a custom video size, is the value itself.
    if (!position)
        return text;
    if (*position >= values.size())
        throw ListIndexError(*position);
    return values[*position];
}

} // namespace

void BuildProfileSwitches(const QString& profilePath, const ShownTextSource& shown, QString& switchText)
{
    const ProfileFile file(profilePath);
    if (!file.exists())
        return;
    const std::int32_t count = file.ParameterCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const ProfileParameter parameter = file.Parameter(i);
        if (parameter.section.isEmpty() || !parameter.grid)
            continue;
        QString value = valueOf(parameter, shown);
        if (parameter.cmd.isEmpty() || value.isEmpty())
            continue;
        if (value == QLatin1String("\\"))
            value.clear();
        switchText += QLatin1Char(' ') + parameter.cmd + QLatin1Char(' ') + value;
    }
}
