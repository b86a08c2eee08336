#include "screens/settings/SettingUnitConfigController.h"

#include "platform/MainBundle.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "widgets/AlertView.h"

SettingUnitConfigController* SettingUnitConfigController::newViewController()
{
    return new SettingUnitConfigController;
}

QString SettingUnitConfigController::NavRightItemTitle() const
{
    return MainBundle::localizedString("保存");
}

void SettingUnitConfigController::save()
{
    CarInfo* car = carInfo();
    Unit* chosen = selectedUnit();
    if (car && chosen && !chosen->isEqualToUnit(car->unit)) {
        Unit* stored = car->unit;
        car->unit = chosen;
        QString error;
        if (!car->update(&error)) {
            car->unit = stored;
            AlertView::showError(MainBundle::localizedString("油耗单位没有保存。\n%1").arg(error));
            return;
        }
    }
    popViewControllerAnimated(true, true);
}
