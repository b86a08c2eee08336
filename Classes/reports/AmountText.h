#pragma once

#include <QString>

#include <optional>

// Amounts as an editor shows them for editing and reads back what was typed. An editor shows a
// stored value as it was typed (45.7, not 45.70000076 nor a rounded 46), so that a field the
// user leaves alone reads back to the same value.
class AmountText
{
public:
    // The shortest text that reads back to the value, "." as the point, no grouping; empty for
    // a value of 0 or less (nothing entered yet).
    static QString editingText(float value);

    // The value of typed text: digits with at most one "." ("45." is 45, ".5" is 0.5). None for
    // empty text, a lone point or anything else.
    static std::optional<double> value(const QString& text);
};
