#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"
#include "store/OilEntryForm.h"
#include "widgets/TextFieldDelegate.h"

#include <memory>

class CarInfo;
class CHDatePickerView;
class NavigationBar;
class Oil;
class PickerView;
class QLabel;
class QScrollArea;
class TextField;
class Unit;

// The one screen on which fill-ups are entered and changed, presented modally with its own bar:
// a new fill-up from a car page, a change of a stored one (setUpdateOil) from the fill-up
// detail. The date, grade and odometer are chosen on wheels; price, volume, total and note are
// typed, and typing two amounts works out the third. The total is asked for first. Save checks
// the amounts and the tank, stores the fill-up and only then the grade's new price and the car's
// grade; a fill-up the store did not take keeps the screen open with all that was typed. The
// presenting screen, as dissDelegate, dismisses it after saving or cancelling.
class AddOilViewController : public BaseNumberEditViewController,
                             public PropertyViewDelegate,
                             public TextFieldDelegate
{
    Q_OBJECT

public:
    explicit AddOilViewController(QWidget* parent = nullptr);
    ~AddOilViewController() override;

    // Before the screen is shown: the stored fill-up to change, not owned. It is changed only
    // once its row was rewritten.
    void setUpdateOil(Oil* oil) { m_updateOil = oil; }
    Oil* updateOil() const { return m_updateOil; }
    // Before the screen is shown: the car a new fill-up is for, not owned; by default the car
    // manager's current car. A changed fill-up stays with its own car.
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const;

    // Whether a new fill-up was added to its car.
    bool bResult() const { return m_bResult; }

    void save() override;
    void cancel() override;

    void onPropertyViewTap(PropertyView* view) override;
    void viewActionButton(QAbstractButton* key, int index) override;
    bool textField(TextField* field, int location, int length, const QString& replacement) override;

protected:
    QString NavLeftItemTitle() const override;
    QString NavRightItemTitle() const override;
    bool needShowKeyBoardTopView() const override { return true; }
    bool needShowDecimal() const override;
    void onDotPress() override;

    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    NavigationBar* oilNavigationBar = nullptr;
    PropertyView* mDate = nullptr;
    PropertyView* mSpec = nullptr;
    PropertyView* mPrice = nullptr;
    PropertyView* mVolumn = nullptr;
    PropertyView* mTotal = nullptr;
    PropertyView* mMiles = nullptr;
    PropertyView* mNotes = nullptr;
    QLabel* unitPrice = nullptr;
    QLabel* unitTotal = nullptr;
    QLabel* unitVolumn = nullptr;
    QLabel* unitMiles = nullptr;
    TextField* hiddenField = nullptr;
    CHDatePickerView* datePicker = nullptr;
    PickerView* specPicker = nullptr;
    PickerView* milePicker = nullptr;
    // Not owned: the field being edited, or null.
    PropertyView* activePropertyView = nullptr;

private:
    void makeFields(const Unit& unit);
    void makePickers();
    void layOutScreen();
    void didTextChanged(const QString& text);
    void onDateChanged();
    void setDate();
    void mileTurned();
    void showForm();
    // The picker that edits the field, or null for a typed one.
    QWidget* pickerOf(const PropertyView* view) const;
    PropertyView* fieldOf(OilEntryForm::Field field) const;
    OilEntryForm::Field formFieldOf(const PropertyView* view) const;
    // After a save: what could not be kept, the offer to take a back-dated fill-up into the
    // statistics period, then the dismissal.
    void tellNotKept();
    void offerToIncludeOil();
    void stopLocationService();
    // A new fill-up made while positions are recorded takes the first fix that came after the
    // screen opened; an older cached one is somewhere else.
    void takePosition();

    // Keeps the room at the bottom where the key bar, or the date picker's keys, show.
    QWidget* m_keyRoom = nullptr;
    QScrollArea* m_scroll = nullptr;
    Oil* m_updateOil = nullptr;
    CarInfo* m_carInfo = nullptr;
    std::unique_ptr<OilEntryForm> m_form;
    bool m_bResult = false;
    bool m_saved = false;
    // The application delegate's count of fixes when the screen opened.
    quint64 m_fixesBefore = 0;
};
