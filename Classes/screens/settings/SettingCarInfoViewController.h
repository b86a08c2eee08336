#pragma once

#include "screens/wizard/RootViewController.h"

// A stored car's name and notes, as one of its settings: the wizard's first step showing the
// car's own texts, with Save in place of Next. Save writes the car at once, and nothing when
// both texts are as they were; the back button leaves without saving.
class SettingCarInfoViewController : public RootViewController
{
    Q_OBJECT

public:
    static SettingCarInfoViewController* newViewController();

    // Refuses an empty name as the wizard does. A write the store refuses leaves the car as it
    // was and the editor open, with what was typed, and says so.
    void save() override;

protected:
    QString NavRightItemTitle() const override;
    void viewDidLoad() override;
};
