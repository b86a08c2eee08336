#pragma once

class QAbstractButton;

// Told which key of a key bar was pressed.
class CKeyHelpViewActionDelegate
{
public:
    virtual ~CKeyHelpViewActionDelegate() = default;

    virtual void viewActionButton(QAbstractButton* key, int index)
    {
        (void)key;
        (void)index;
    }
};
