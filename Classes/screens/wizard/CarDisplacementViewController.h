#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"
#include "store/CarDisplacementForm.h"
#include "widgets/TextFieldDelegate.h"

#include <memory>

class CarInfo;
class PickerView;
class QLabel;
class TextField;

// The setup wizard's last step, also the tank, displacement and grade editor of a stored car:
// the tank volume and the displacement are typed as amounts (four characters, one decimal),
// the grade is chosen on a wheel that starts on the car's own grade. Done puts the values into
// the car once a tank volume is there; for the wizard's new car it then announces the finished
// wizard, for another car it closes the presented editor.
class CarDisplacementViewController : public BaseNumberEditViewController,
                                      public PropertyViewDelegate,
                                      public TextFieldDelegate
{
    Q_OBJECT

public:
    // Posted when the wizard's new car is complete, with the wizard's navigation controller.
    static constexpr const char* kSetupWizardComplete = "SETUP_WIZARD_COMPLETE";
    static constexpr int kMaxLength = 4;
    static constexpr int kMaxDecimals = 1;

    explicit CarDisplacementViewController(QWidget* parent = nullptr);
    ~CarDisplacementViewController() override;

    // The car being set up or edited; not owned.
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const { return m_carInfo; }

    virtual void nextViewController();
    // Puts the tank, displacement and grade into the car; without a tank volume above 0 it says
    // so, makes the tank field the one being edited and answers false. Neither moves on nor
    // writes the store.
    bool saveInfo();
    void save() override;

    void onPropertyViewTap(PropertyView* view) override;
    void viewActionButton(QAbstractButton* key, int index) override;
    bool textField(TextField* field, int location, int length, const QString& replacement) override;

protected:
    QString NavRightItemTitle() const override;
    bool needShowKeyBoardTopView() const override { return true; }
    bool needShowDecimal() const override;
    void onDotPress() override;

    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    PropertyView* mMaxVolumn = nullptr;
    PropertyView* mCapacity = nullptr;
    PropertyView* mSpec = nullptr;
    QLabel* mVolumnUnit = nullptr;
    QLabel* information = nullptr;
    TextField* hiddenField = nullptr;
    PickerView* specPicker = nullptr;
    // Not owned: the field being edited, or null.
    PropertyView* activePropertyView = nullptr;

private:
    void didTextChanged(const QString& text);

    CarInfo* m_carInfo = nullptr;
    std::unique_ptr<CarDisplacementForm> m_form;
};
