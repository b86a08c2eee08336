#include "screens/wizard/UnitConfigController.h"

#include "platform/MainBundle.h"
#include "screens/base/PropertyView.h"
#include "screens/wizard/CarDisplacementViewController.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "widgets/NavigationController.h"
#include "widgets/PickerView.h"

#include <QLabel>
#include <QVBoxLayout>

UnitConfigController::UnitConfigController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

QString UnitConfigController::NavRightItemTitle() const
{
    return MainBundle::localizedString("下一步");
}

Unit* UnitConfigController::selectedUnit() const
{
    const Unit::List& units = Unit::UnitList();
    const int row = unitPicker->selectedRowInComponent(0);
    return row >= 0 && size_t(row) < units.size() ? units[size_t(row)].get() : nullptr;
}

void UnitConfigController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    if (m_carInfo)
        setTitle(m_carInfo->mCarName);
    const QString unitCaption = MainBundle::localizedString("油耗单位");

    QStringList names;
    int carRow = 0;
    const Unit::List& units = Unit::UnitList();
    for (size_t row = 0; row < units.size(); ++row) {
        names << units[row]->UnitName;
        if (m_carInfo && units[row].get() == m_carInfo->unit)
            carRow = int(row);
    }
    unitPicker = new PickerView(this);
    unitPicker->setAccessibleName(unitCaption);
    unitPicker->setComponents({ names });
    unitPicker->selectRow(carRow, 0, false);

    mUnit = new PropertyView(this);
    mUnit->setAccessibleName(unitCaption);
    mUnit->setTextOffset(0, 0);
    mUnit->setDelegate(this);
    mUnit->setText(names.value(carRow));
    connect(unitPicker, &PickerView::didSelectRow, this,
        [this](int row) { mUnit->setText(unitPicker->titleForRow(row, 0)); });

    auto* caption = new QLabel(unitCaption, this);
    caption->setObjectName(QStringLiteral("caption"));
    QVBoxLayout* column = makeFormColumn();
    column->addWidget(caption);
    column->addWidget(mUnit);
    column->addStretch();
    column->addWidget(unitPicker);
}

void UnitConfigController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    mUnit->setActive(true);
    unitPicker->setFocus(Qt::OtherFocusReason);
}

void UnitConfigController::viewWillDisappear()
{
    mUnit->setActive(false);
    BaseNumberEditViewController::viewWillDisappear();
}

void UnitConfigController::onPropertyViewTap(PropertyView*)
{
    unitPicker->setFocus(Qt::OtherFocusReason);
}

void UnitConfigController::save()
{
    nextViewController();
}

void UnitConfigController::nextViewController()
{
    if (!m_carInfo)
        return;
    if (Unit* unit = selectedUnit())
        m_carInfo->unit = unit;
    if (NavigationController* navigation = navigationController()) {
        auto* tankStep = new CarDisplacementViewController;
        tankStep->setCarInfo(m_carInfo);
        navigation->pushViewController(tankStep, true);
    }
}
