#pragma once

#include <QString>

// Whether a typed change to an amount keeps it well-formed: no leading zero, at most
// `maxLength` characters, one point at most and at most `maxDecimals` digits after it.
// Typing happens at the end of the text; an empty replacement is a deletion, always allowed;
// a longer one (pasted) must pass as if typed character by character.
class AmountEntryRule
{
public:
    static bool accepts(
        const QString& currentText, const QString& replacement, int maxLength, int maxDecimals);
};
