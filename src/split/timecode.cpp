#include "split/timecode.h"

#include "platform/numbers.h"

#include <cmath>
#include <cstdint>

namespace {

QString twoDigits(std::int64_t value)
{
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(2, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString SecondsToTimeCode(double seconds)
{
    const auto total = static_cast<std::int64_t>(std::trunc(seconds));
    const std::int64_t hours = total / 3600;
    const std::int64_t minutes = (total - 3600 * hours) / 60;
    const std::int64_t secs = total - 3600 * hours - 60 * minutes;
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(secs);
}

double TimeCodeToSeconds(const QString& text)
{
    constexpr double invalid = -1.0;
    const qsizetype firstColon = text.indexOf(QLatin1Char(':'));
    if (firstColon < 0)
        return invalid;
    const qsizetype secondColon = text.indexOf(QLatin1Char(':'), firstColon + 1);
    if (secondColon < 0)
        return invalid;

    const auto hours = ParseInteger(QStringView(text).left(firstColon));
    const auto minutes = ParseInteger(QStringView(text).mid(firstColon + 1, secondColon - firstColon - 1));
    if (!hours || !minutes)
        return invalid;

    const QStringView secondsField = QStringView(text).mid(secondColon + 1);
    if (secondsField.startsWith(QLatin1Char('.')))
        return invalid;
    const auto seconds = ParseDecimal(secondsField, LocaleDecimalSeparator());
    if (!seconds)
        return invalid;

    // The whole part is formed in 32 bits; a sum beyond that range wraps instead of overflowing.
    const auto whole = static_cast<std::int32_t>(static_cast<std::uint32_t>(*hours) * 3600u +
                                                 static_cast<std::uint32_t>(*minutes) * 60u);
    return static_cast<double>(whole) + *seconds;
}
