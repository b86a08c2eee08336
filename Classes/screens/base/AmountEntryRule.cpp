#include "screens/base/AmountEntryRule.h"

bool AmountEntryRule::accepts(
    const QString& currentText, const QString& replacement, int maxLength, int maxDecimals)
{
    const QLatin1Char point('.');
    if (currentText.isEmpty() && replacement == QLatin1String("0"))
        return false;
    if (!replacement.isEmpty() && currentText.size() > maxLength - 1)
        return false;
    const qsizetype pointAt = currentText.indexOf(point);
    if (pointAt < 0)
        return true;
    if (replacement.isEmpty())
        return true;
    if (pointAt + maxDecimals < currentText.size())
        return false;
    return !replacement.contains(point);
}
