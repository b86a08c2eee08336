#include "screens/settings/EditPrecisionDigitsController.h"

#include "platform/MainBundle.h"
#include "store/Setting.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationItem.h"
#include "widgets/Palette.h"

#include <QAction>
#include <QListWidget>
#include <QVBoxLayout>

EditPrecisionDigitsController::EditPrecisionDigitsController(QWidget* parent)
    : BaseModalViewController(parent)
{ }

void EditPrecisionDigitsController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    const QString title = MainBundle::localizedString("Precision Digits");
    setTitle(title);
    mSelectedValue = Setting::getFloatValuePrecisionDigits();
    auto* saveButton = new QAction(MainBundle::localizedString("保存"), this);
    connect(saveButton, &QAction::triggered, this, &EditPrecisionDigitsController::save);
    navigationItem()->setRightBarButtonItem(saveButton);

    mTableView = new QListWidget(this);
    mTableView->setAccessibleName(title);
    mTableView->setFont(Palette::font(Palette::Font::Wheel));
    mTableView->addItems(dataSource);
    for (int row = 0; row < mTableView->count(); ++row)
        mTableView->item(row)->setSizeHint(QSize(0, kRowHeight));
    mTableView->setFixedHeight(kRowHeight * int(dataSource.size()) + 2 * mTableView->frameWidth());
    // The check mark shows the choice; a selected row looks like any other.
    QPalette colours = mTableView->palette();
    colours.setColor(QPalette::Highlight, Palette::colour(Palette::Colour::Surface));
    colours.setColor(QPalette::HighlightedText, Palette::colour(Palette::Colour::Text));
    mTableView->setPalette(colours);
    // A click, the arrow keys and a screen reader's toggle all select a row. The list starts on
    // the stored choice, so that taking the focus chooses nothing.
    mTableView->setCurrentRow(mSelectedValue - 1);
    connect(mTableView, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* item = mTableView->selectedItems().value(0))
            rowChosen(mTableView->row(item));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mTableView);
    layout->addStretch();
    reloadData();
}

void EditPrecisionDigitsController::viewDidAppear()
{
    BaseModalViewController::viewDidAppear();
    mTableView->setFocus(Qt::OtherFocusReason);
}

void EditPrecisionDigitsController::rowChosen(int row)
{
    if (row < 0 || row + 1 == mSelectedValue)
        return;
    mSelectedValue = row + 1;
    reloadData();
}

void EditPrecisionDigitsController::reloadData()
{
    for (int row = 0; row < mTableView->count(); ++row)
        mTableView->item(row)->setCheckState(row + 1 == mSelectedValue ? Qt::Checked : Qt::Unchecked);
}

void EditPrecisionDigitsController::save()
{
    if (mSelectedValue != Setting::getFloatValuePrecisionDigits()
        && !Setting::setFloatValuePrecisionDigits(mSelectedValue)) {
        AlertView::showError(
            MainBundle::localizedString("小数位数没有保存：无法写入 %1").arg(Setting::preferencesPath()));
        return;
    }
    popViewControllerAnimated(true, true);
}
