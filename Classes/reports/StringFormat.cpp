#include "reports/StringFormat.h"

#include "reports/NumberConversion.h"
#include "store/Setting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

QString FormatArgument::toText() const
{
    if (const auto* text = std::get_if<QString>(&m_value))
        return *text;
    if (const auto* number = std::get_if<qint64>(&m_value))
        return QString::number(*number);
    if (const auto* number = std::get_if<quint64>(&m_value))
        return QString::number(*number);
    const double real = std::get<double>(m_value);
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), real);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

qint64 FormatArgument::toSigned() const
{
    if (const auto* number = std::get_if<qint64>(&m_value))
        return *number;
    if (const auto* number = std::get_if<quint64>(&m_value))
        return qint64(*number);
    if (const auto* real = std::get_if<double>(&m_value))
        return NumberConversion::truncatedToInt64(*real);
    return std::get<QString>(m_value).toLongLong();
}

quint64 FormatArgument::toUnsigned() const
{
    return quint64(toSigned());
}

double FormatArgument::toReal() const
{
    if (const auto* real = std::get_if<double>(&m_value))
        return *real;
    if (const auto* number = std::get_if<qint64>(&m_value))
        return double(*number);
    if (const auto* number = std::get_if<quint64>(&m_value))
        return double(*number);
    return std::get<QString>(m_value).toDouble();
}

QString StringFormat::fixed(double value, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    // Wide enough for any double in fixed notation (up to 309 integer digits) and its decimals.
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString StringFormat::format(const QString& format, std::initializer_list<FormatArgument> arguments)
{
    QString out;
    out.reserve(format.size() + 16 * int(arguments.size()));
    auto nextArgument = arguments.begin();
    const auto takeArgument = [&]() -> const FormatArgument* {
        return nextArgument == arguments.end() ? nullptr : &*nextArgument++;
    };

    const qsizetype length = format.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 == length) {
            out += c;
            continue;
        }
        const qsizetype start = i;
        qsizetype j = i + 1;
        if (format.at(j) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j;
            continue;
        }
        int precision = -1;
        if (format.at(j) == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < length && format.at(j).isDigit())
                precision = precision * 10 + format.at(j++).digitValue();
        }
        // Length modifiers carry no meaning here: every argument already knows its width.
        while (j < length && (format.at(j) == QLatin1Char('l') || format.at(j) == QLatin1Char('q')))
            ++j;
        if (j == length) {
            out += format.mid(start);
            break;
        }
        const QChar conversion = format.at(j);
        if (conversion == QLatin1Char('@')) {
            if (const FormatArgument* argument = takeArgument())
                out += argument->toText();
        } else if (conversion == QLatin1Char('d') || conversion == QLatin1Char('i')) {
            if (const FormatArgument* argument = takeArgument())
                out += QString::number(argument->toSigned());
        } else if (conversion == QLatin1Char('u')) {
            if (const FormatArgument* argument = takeArgument())
                out += QString::number(argument->toUnsigned());
        } else if (conversion == QLatin1Char('f')) {
            if (const FormatArgument* argument = takeArgument())
                out += fixed(argument->toReal(), precision < 0 ? 6 : std::min(precision, 40));
        } else {
            out += format.mid(start, j - start + 1);
        }
        i = j;
    }
    return out;
}

namespace {

int decimalsForPrecision(int precision)
{
    return precision == 1 || precision == 3 ? precision : 2;
}

} // namespace

QString StringFormat::CIStringFromFloatValue(float value)
{
    return fixed(double(value), decimalsForPrecision(Setting::getFloatValuePrecisionDigits()));
}

QString StringFormat::CIStringFromDoubleValue(double value)
{
    return fixed(value, decimalsForPrecision(Setting::getFloatValuePrecisionDigits()));
}
