#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"

class CHDatePickerView;

// The start of the statistics period: a date picker with its year and month keys, the chosen
// moment shown in the display field above it. Save stores exactly the date the picker shows.
class SettingDateViewController : public BaseNumberEditViewController, public PropertyViewDelegate
{
    Q_OBJECT

public:
    explicit SettingDateViewController(QWidget* parent = nullptr);

    // Stores the picker's date and pops; a date that cannot be stored keeps the editor open
    // and says so.
    void save() override;

    // The wheels take the arrow keys.
    void onPropertyViewTap(PropertyView* view) override;

protected:
    QString NavRightItemTitle() const override;
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    CHDatePickerView* mDatePicker = nullptr;
    PropertyView* mStartPrview = nullptr;
    // Not owned: the field the picker edits.
    PropertyView* activePropertyView = nullptr;

private:
    void onDateChanged();
};
