#pragma once

#include <QString>

#include <initializer_list>
#include <variant>

// One argument of a format string: a text for "%@", a whole number for "%d" and "%qu",
// a real number for "%f".
class FormatArgument
{
public:
    FormatArgument(const QString& text)
        : m_value(text)
    { }
    FormatArgument(const char* utf8)
        : m_value(QString::fromUtf8(utf8))
    { }
    FormatArgument(int number)
        : m_value(qint64(number))
    { }
    FormatArgument(long number)
        : m_value(qint64(number))
    { }
    FormatArgument(long long number)
        : m_value(qint64(number))
    { }
    FormatArgument(unsigned number)
        : m_value(quint64(number))
    { }
    FormatArgument(unsigned long number)
        : m_value(quint64(number))
    { }
    FormatArgument(unsigned long long number)
        : m_value(quint64(number))
    { }
    FormatArgument(double number)
        : m_value(number)
    { }
    FormatArgument(float number)
        : m_value(double(number))
    { }

    QString toText() const;
    qint64 toSigned() const;
    quint64 toUnsigned() const;
    double toReal() const;

private:
    std::variant<QString, qint64, quint64, double> m_value;
};

// Formats the Objective-C style format strings the string table and the store's statements are
// written in, so each is used exactly as it stands: "%@" (a text), "%d" "%i" "%ld" "%lld"
// (signed), "%u" "%lu" "%llu" "%qu" (unsigned), "%f" and "%.Nf" (fixed, always with a "."),
// and "%%". An unknown specifier is copied as it stands; a missing argument formats as empty.
class StringFormat
{
public:
    static QString format(const QString& format, std::initializer_list<FormatArgument> arguments);

    // A real number in fixed notation with that many decimals, as printf's "%.Nf" in the C
    // locale: exactly rounded, no grouping, "." as the decimal point.
    static QString fixed(double value, int decimals);

    // Amounts, volumes and distances with the user's precision (1 to 3 decimals; any stored
    // value other than 1 or 3 shows 2), read afresh on every call. No grouping and no unit.
    static QString CIStringFromFloatValue(float value);
    static QString CIStringFromDoubleValue(double value);
};
