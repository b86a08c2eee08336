#include "screens/history/OilDeletion.h"

#include "platform/MainBundle.h"
#include "store/Oil.h"
#include "widgets/AlertView.h"

AlertView* OilDeletion::ask(const Oil& oil, QObject* context, std::function<void()> deleted)
{
    auto* alert = new AlertView(MainBundle::localizedString("删除确认"),
        MainBundle::localizedString("你确定要删除该加油信息吗?"), MainBundle::localizedString("取消"),
        { MainBundle::localizedString("确认") });
    QObject::connect(
        alert, &AlertView::clickedButtonAtIndex, context, [oil, deleted = std::move(deleted)](int index) {
            if (index != 1)
                return;
            QString error;
            Oil row = oil;
            if (!row.remove(&error)) {
                AlertView::showError(MainBundle::localizedString("加油信息没有删除：%1").arg(error));
                return;
            }
            deleted();
        });
    alert->present();
    return alert;
}
