#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The program's integer rule: leading blanks, an optional sign, then decimal digits or hexadecimal digits
// after "$", "x", "X", "0x" or "0X"; nothing may follow and the value must fit in 32 signed bits.
std::optional<std::int32_t> ParseInteger(QStringView text);

// The decimal-number rule of typed seconds: optional blanks, an optional sign, digits with an optional
// fraction after `separator`, an optional exponent, optional trailing blanks. At least one digit or the
// separator must be present.
std::optional<double> ParseDecimal(QStringView text, QChar separator);

// The user's decimal separator. Tests may override it; an empty override restores the system locale's.
QChar LocaleDecimalSeparator();
void OverrideLocaleDecimalSeparator(std::optional<QChar> separator);

// Nearest integer, a tie going to the even neighbour.
std::int64_t RoundHalfEven(double value);

// The general floating-point text: at most 15 significant digits, no trailing zeros, no trailing separator.
QString FormatGeneral(double value, QChar separator = QLatin1Char('.'));
