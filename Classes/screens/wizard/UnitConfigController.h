#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"

class CarInfo;
class PickerView;
class Unit;

// The unit system of a car, chosen on a wheel of the unit list; the chosen system's name shows
// in the display field above it, which blinks while the screen is shown. As the setup wizard's
// second step, Next puts the chosen system into the car and moves on to the tank, displacement
// and grade; nothing is written to the store here.
class UnitConfigController : public BaseNumberEditViewController, public PropertyViewDelegate
{
    Q_OBJECT

public:
    explicit UnitConfigController(QWidget* parent = nullptr);

    // The car being set up; not owned. The wheel starts on its unit system.
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const { return m_carInfo; }

    // The system on the wheel; null while the unit list is empty.
    Unit* selectedUnit() const;

    virtual void nextViewController();
    void save() override;

    // The wheel takes the arrow keys.
    void onPropertyViewTap(PropertyView* view) override;

protected:
    QString NavRightItemTitle() const override;
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    PropertyView* mUnit = nullptr;
    PickerView* unitPicker = nullptr;

private:
    CarInfo* m_carInfo = nullptr;
};
