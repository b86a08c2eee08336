#pragma once

#include "screens/base/BaseModalViewController.h"

#include <QStringList>

class QListWidget;

// The number of decimals shown in figures: a list of 1, 2 and 3 with a check mark on the chosen
// one. Choosing a row only moves the mark; Save stores it, and leaving by the back button keeps
// what was stored.
class EditPrecisionDigitsController : public BaseModalViewController
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 44;

    explicit EditPrecisionDigitsController(QWidget* parent = nullptr);

    int selectedValue() const { return mSelectedValue; }

    // Stores a changed choice and pops; a preference that cannot be written keeps the editor
    // open and says so.
    void save();

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;

    QListWidget* mTableView = nullptr;
    const QStringList dataSource { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") };
    int mSelectedValue = 2;

private:
    void rowChosen(int row);
    void reloadData();
};
