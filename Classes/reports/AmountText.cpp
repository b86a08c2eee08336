#include "reports/AmountText.h"

#include "reports/NumberConversion.h"

#include <QLocale>

#include <cmath>

QString AmountText::editingText(float value)
{
    if (!(value > 0) || !std::isfinite(value))
        return {};
    return QString::number(NumberConversion::typedValue(value), 'f', QLocale::FloatingPointShortest);
}

std::optional<double> AmountText::value(const QString& text)
{
    int points = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    QString number = text;
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    if (number.startsWith(QLatin1Char('.')))
        number.prepend(QLatin1Char('0'));
    return QLocale::c().toDouble(number);
}
