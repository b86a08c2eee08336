#pragma once

#include <QString>

class TextField;

// Asked before every change of a text field's text.
class TextFieldDelegate
{
public:
    virtual ~TextFieldDelegate() = default;

    // The characters from `location` on, `length` of them, are about to become `replacement`
    // (empty for a deletion); false refuses the change.
    virtual bool textField(TextField* field, int location, int length, const QString& replacement)
    {
        Q_UNUSED(field);
        Q_UNUSED(location);
        Q_UNUSED(length);
        Q_UNUSED(replacement);
        return true;
    }
};
