#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/PropertyViewDelegate.h"
#include "store/OilMarkForm.h"
#include "widgets/TextFieldDelegate.h"

#include <memory>

class OilInfo;
class QLabel;
class TextField;

// A fuel grade's name and default price. Both display fields show what is typed into the
// screen's hidden input: the name as free text, the price as an amount with the user's number
// of decimals. The price is being edited when the screen appears. Save refuses a missing price,
// a missing name and a price below 0.01, in that order, and otherwise writes the grade list.
class EditOilMarkViewController : public BaseNumberEditViewController,
                                  public PropertyViewDelegate,
                                  public TextFieldDelegate
{
    Q_OBJECT

public:
    explicit EditOilMarkViewController(QWidget* parent = nullptr);
    ~EditOilMarkViewController() override;

    // The grade to edit, an entry of the grade list; not owned.
    void setEditOilInfo(OilInfo* grade) { m_editOilInfo = grade; }
    OilInfo* editOilInfo() const { return m_editOilInfo; }

    // Saves and pops; a refusal or a list that cannot be written keeps the editor open with
    // what was typed, and the grade as stored.
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

    TextField* mTextField = nullptr;
    PropertyView* oilMarkName = nullptr;
    PropertyView* oilMarkPrice = nullptr;
    // Not owned: the field being edited, or null.
    PropertyView* activePropertyView = nullptr;
    QLabel* mUnitLabel = nullptr;

private:
    void didTextChanged(const QString& text);

    OilInfo* m_editOilInfo = nullptr;
    std::unique_ptr<OilMarkForm> m_form;
};
