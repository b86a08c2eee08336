#include "screens/base/AmountEntryRule.h"

namespace {

bool acceptsCharacter(const QString& currentText, QChar typed, int maxLength, int maxDecimals)
{
    const QLatin1Char point('.');
    if (currentText.isEmpty() && typed == QLatin1Char('0'))
        return false;
    if (currentText.size() > maxLength - 1)
        return false;
    const qsizetype pointAt = currentText.indexOf(point);
    if (pointAt < 0)
        return true;
    if (pointAt + maxDecimals < currentText.size())
        return false;
    return typed != point;
}

} // namespace

// Pasted text is taken as if its characters were typed one after another, so that it meets the
// same limits.
bool AmountEntryRule::accepts(
    const QString& currentText, const QString& replacement, int maxLength, int maxDecimals)
{
    QString text = currentText;
    for (const QChar typed : replacement) {
        if (!acceptsCharacter(text, typed, maxLength, maxDecimals))
            return false;
        text += typed;
    }
    return true;
}
