#pragma once

#include "screens/wizard/UnitConfigController.h"

// The unit system of a stored car, as one of its settings: the wheel starts on the car's system
// and Save writes the car, only when the system really changed.
class SettingUnitConfigController : public UnitConfigController
{
    Q_OBJECT

public:
    static SettingUnitConfigController* newViewController();

    // Writes the changed unit system and pops; a write the store refuses leaves the car as
    // stored and the editor open, and says so.
    void save() override;

protected:
    QString NavRightItemTitle() const override;
};
