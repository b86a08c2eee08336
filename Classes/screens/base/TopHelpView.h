#pragma once

#include "screens/base/CKeyHelpView.h"

// The date picker's key bar: a year back (0), a year on (1), a month back (2), a month on (3).
class TopHelpView : public CKeyHelpView
{
    Q_OBJECT

public:
    enum Key
    {
        YearBack = 0,
        YearOn = 1,
        MonthBack = 2,
        MonthOn = 3
    };

    explicit TopHelpView(QWidget* parent = nullptr);

    int selectedIndex(QAbstractButton* key) const;
};
