#pragma once

#include "screens/base/CKeyHelpViewActionDelegate.h"
#include "screens/base/TopHelpView.h"
#include "widgets/DatePicker.h"

#include <QPointer>

// The date picker of the editors, with a bar of year and month keys directly above it. A key
// moves the date by a year or a month and reports valueChanged, as a turn of the wheels does.
class CHDatePickerView : public DatePicker, public CKeyHelpViewActionDelegate
{
    Q_OBJECT

public:
    explicit CHDatePickerView(QWidget* parent = nullptr);
    ~CHDatePickerView() override;

    TopHelpView* mHelpView() const { return m_helpView; }

    // Puts the key bar into the picker's parent, directly above the picker and as wide; from then
    // on it follows the picker's frame and visibility.
    void AddHelpView();
    void RemoveHelpView();
    void updateHelpViewFrame();

    void viewActionButton(QAbstractButton* key, int index) override;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool isHelpViewAdded() const;

    QPointer<TopHelpView> m_helpView;
};
