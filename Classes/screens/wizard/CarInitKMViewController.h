#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"

#include <array>

class CarInfo;
class PickerView;
class QLabel;

// A car's initial odometer reading on six digit wheels, hundred-thousands to units, with the
// reading they make shown in the seven-segment face. The car information screens confirm it.
class CarInitKMViewController : public BaseNumberEditViewController, public PropertyViewDelegate
{
    Q_OBJECT

public:
    static constexpr int kWheels = 6;

    explicit CarInitKMViewController(QWidget* parent = nullptr);

    // The car whose reading is edited; not owned.
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const { return m_carInfo; }
    // An existing car's reading is being changed: the screen explains what the reading is for.
    void setUpdateODO(bool updateODO) { m_updateODO = updateODO; }

    // The digits of a reading's whole part, hundred-thousands first; a reading of a million or
    // more shows its last six digits.
    static std::array<int, kWheels> digitsOf(double reading);

    // The wheels take the arrow keys.
    void onPropertyViewTap(PropertyView* view) override;

protected:
    QString NavRightItemTitle() const override;
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    PickerView* mPickerView = nullptr;
    QLabel* mLable = nullptr;
    QLabel* mUnit = nullptr;
    QLabel* mDesc = nullptr;
    PropertyView* pv = nullptr;

private:
    void wheelTurned();

    CarInfo* m_carInfo = nullptr;
    bool m_updateODO = false;
};
