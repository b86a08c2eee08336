#include "screens/settings/SettingCarInfoViewController.h"

#include "platform/MainBundle.h"
#include "store/CarInfo.h"
#include "widgets/AlertView.h"
#include "widgets/TextField.h"

#include <QPlainTextEdit>

SettingCarInfoViewController* SettingCarInfoViewController::newViewController()
{
    return new SettingCarInfoViewController;
}

QString SettingCarInfoViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("保存");
}

void SettingCarInfoViewController::viewDidLoad()
{
    RootViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("车辆名称"));
}

void SettingCarInfoViewController::save()
{
    CarInfo* car = carInfo();
    if (!car)
        return;
    const QString name = mtextField->text();
    const QString typedNotes = mtextView->toPlainText();
    // The store keeps no remark as NULL; empty notes are none.
    const QString notes = typedNotes.isEmpty() ? QString() : typedNotes;
    if (name.isEmpty()) {
        mtextField->setFocus(Qt::OtherFocusReason);
        AlertView::showOKWithTitle(
            MainBundle::localizedString("缺少信息"), MainBundle::localizedString("请输入车辆名称"));
        return;
    }
    if (name != car->mCarName || notes != car->strRemark) {
        const QString storedName = car->mCarName;
        const QString storedNotes = car->strRemark;
        car->mCarName = name;
        car->strRemark = notes;
        QString error;
        if (!car->update(&error)) {
            car->mCarName = storedName;
            car->strRemark = storedNotes;
            AlertView::showError(MainBundle::localizedString("车辆名称和备注没有保存。\n%1").arg(error));
            return;
        }
    }
    popViewControllerAnimated(true, true);
}
