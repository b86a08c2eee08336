#pragma once

#include "screens/wizard/CarDisplacementViewController.h"

// A stored car's tank volume, displacement and default grade, as its settings: the wizard's
// last step on the car, with Save in place of Done. Save writes the car at once; the back
// button leaves without saving.
class SettingCarDisplacementViewController : public CarDisplacementViewController
{
    Q_OBJECT

public:
    static SettingCarDisplacementViewController* newViewController();

    // Refuses a missing tank volume as the wizard does. A write the store refuses leaves the
    // car as it was and the editor open, with what was typed, and says so.
    void save() override;

protected:
    QString NavRightItemTitle() const override;
};
