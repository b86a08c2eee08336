#include "screens/settings/SettingCarDisplacementViewController.h"

#include "platform/MainBundle.h"
#include "store/CarInfo.h"
#include "widgets/AlertView.h"

SettingCarDisplacementViewController* SettingCarDisplacementViewController::newViewController()
{
    return new SettingCarDisplacementViewController;
}

QString SettingCarDisplacementViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("保存");
}

void SettingCarDisplacementViewController::save()
{
    CarInfo* car = carInfo();
    if (!car)
        return;
    const float storedMaxVolumn = car->maxVolumn;
    const float storedCapacity = car->mCapacity;
    OilInfo* storedGrade = car->mOilInfo;
    if (!saveInfo())
        return;
    QString error;
    if (!car->update(&error)) {
        car->maxVolumn = storedMaxVolumn;
        car->mCapacity = storedCapacity;
        car->mOilInfo = storedGrade;
        AlertView::showError(MainBundle::localizedString("油箱容积、排量和油品没有保存。\n%1").arg(error));
        return;
    }
    popViewControllerAnimated(true, true);
}
