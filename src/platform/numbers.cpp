#include "platform/numbers.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

std::optional<QChar> g_separatorOverride;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int digit = base == 16 ? hexValue(text[i]) : (isAsciiDigit(text[i]) ? text[i].unicode() - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > 0x80000000ull)
            return std::nullopt;
    }
    const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < std::numeric_limits<std::int32_t>::min() ||
        signedValue > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(signedValue);
}

std::optional<double> ParseDecimal(QStringView text, QChar separator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    QString normal;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        normal += text[i++];
    bool seenDigitOrSeparator = false;
    while (i < n && isAsciiDigit(text[i])) {
        normal += text[i++];
        seenDigitOrSeparator = true;
    }
    if (i < n && text[i] == separator) {
        normal += QLatin1Char('.');
        ++i;
        seenDigitOrSeparator = true;
        while (i < n && isAsciiDigit(text[i]))
            normal += text[i++];
    }
    if (!seenDigitOrSeparator)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        normal += QLatin1Char('e');
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            normal += text[i++];
        if (i >= n || !isAsciiDigit(text[i]))
            return std::nullopt;
        while (i < n && isAsciiDigit(text[i]))
            normal += text[i++];
    }
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i != n)
        return std::nullopt;
    // A lone separator (".") reads as zero, as does a lone sign with a separator.
    QString digitsOnly = normal;
    digitsOnly.remove(QLatin1Char('+')).remove(QLatin1Char('-'));
    if (digitsOnly.startsWith(QLatin1Char('.')) && (digitsOnly.size() == 1 || !isAsciiDigit(digitsOnly[1])))
        normal.insert(normal.indexOf(QLatin1Char('.')) + 1, QLatin1Char('0'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normal, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QChar LocaleDecimalSeparator()
{
    if (g_separatorOverride)
        return *g_separatorOverride;
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

void OverrideLocaleDecimalSeparator(std::optional<QChar> separator)
{
    g_separatorOverride = separator;
}

std::int64_t RoundHalfEven(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}

QString FormatGeneral(double value, QChar separator)
{
    QString text = QString::number(value, 'g', 15);
    if (separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), separator);
    return text;
}
