#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"

class CarInfo;
class QPlainTextEdit;
class TextField;

// The setup wizard's first step: the new car's name and notes. Each input sits in a display
// field that blinks while the input has the keyboard; the key bar clears the input or switches
// to the other one. Next moves on to the unit system once there is a name. Started from the
// settings to add a further car, the step can also be cancelled, and nothing is stored.
class RootViewController : public BaseNumberEditViewController, public PropertyViewDelegate
{
    Q_OBJECT

public:
    explicit RootViewController(QWidget* parent = nullptr);
    ~RootViewController() override;

    // The car being set up; not owned.
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const { return m_carInfo; }
    void setAddNewCar(bool addNewCar) { m_addNewCar = addNewCar; }
    bool addNewCar() const { return m_addNewCar; }

    // Takes the name and notes into the car and pushes the unit step; without a name, says so.
    virtual void nextViewController();
    void save() override;
    // Dismisses the wizard started from the settings; the new car is not stored.
    void cancel() override;

    void onPropertyViewTap(PropertyView* view) override;
    void viewActionButton(QAbstractButton* key, int index) override;

protected:
    QString NavLeftItemTitle() const override;
    QString NavRightItemTitle() const override;
    bool needShowKeyBoardTopView() const override { return true; }
    // Clear (0) and switch between name and notes (1).
    CKeyHelpView* keyBoardTopView() override;

    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    TextField* mtextField = nullptr;
    QPlainTextEdit* mtextView = nullptr;
    PropertyView* mNameProperty = nullptr;
    PropertyView* mNotesProperty = nullptr;
    // Not owned: one of the two fields.
    PropertyView* activeProperty = nullptr;

private:
    // The field whose input took the keyboard becomes the active one.
    void focusMoved(QWidget* now);
    QWidget* inputOf(PropertyView* property) const;

    CarInfo* m_carInfo = nullptr;
    bool m_addNewCar = false;
    QMetaObject::Connection m_focusWatch;
};
