#include "screens/settings/SettingDateViewController.h"

#include "platform/MainBundle.h"
#include "reports/DateEx.h"
#include "screens/base/CHDatePickerView.h"
#include "screens/base/PropertyView.h"
#include "store/Setting.h"
#include "widgets/AlertView.h"
#include "widgets/Palette.h"
#include "widgets/PickerView.h"

#include <QLabel>
#include <QVBoxLayout>

SettingDateViewController::SettingDateViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

QString SettingDateViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("保存");
}

void SettingDateViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("开始时间"));
    const QString start = MainBundle::localizedString("统计开始时间");

    mStartPrview = new PropertyView(this);
    mStartPrview->setAccessibleName(start);
    mStartPrview->setDelegate(this);
    mStartPrview->setTextFont(Palette::font(Palette::Font::LongField));
    mStartPrview->setTextOffset(50, 4);
    activePropertyView = mStartPrview;

    mDatePicker = new CHDatePickerView(this);
    mDatePicker->setDate(Setting::getStartDate(), false);
    connect(mDatePicker, &DatePicker::valueChanged, this, &SettingDateViewController::onDateChanged);
    onDateChanged();

    auto* caption = new QLabel(start, this);
    caption->setObjectName(QStringLiteral("caption"));
    QVBoxLayout* column = makeFormColumn();
    column->addWidget(caption);
    column->addWidget(mStartPrview);
    column->addStretch();
    // Room for the year and month keys, which sit directly above the picker.
    column->addSpacing(CKeyHelpView::kHeight);
    column->addWidget(mDatePicker);
    mDatePicker->AddHelpView();
}

void SettingDateViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    activePropertyView->setActive(true);
    mDatePicker->wheels()->setFocus(Qt::OtherFocusReason);
}

void SettingDateViewController::viewWillDisappear()
{
    activePropertyView->setActive(false);
    BaseNumberEditViewController::viewWillDisappear();
}

void SettingDateViewController::onDateChanged()
{
    activePropertyView->setText(DateEx::settingDateString(mDatePicker->date()));
}

void SettingDateViewController::onPropertyViewTap(PropertyView*)
{
    mDatePicker->wheels()->setFocus(Qt::OtherFocusReason);
}

// The picker's own date, not its text read back: the text has no seconds and, in some
// locales, a two-digit year.
void SettingDateViewController::save()
{
    if (!Setting::setStartDate(mDatePicker->date())) {
        AlertView::showError(
            MainBundle::localizedString("开始时间没有保存：无法写入 %1").arg(Setting::preferencesPath()));
        return;
    }
    popViewControllerAnimated(true, true);
}
