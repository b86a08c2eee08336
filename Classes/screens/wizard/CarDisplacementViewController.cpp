#include "screens/wizard/CarDisplacementViewController.h"

#include "platform/MainBundle.h"
#include "platform/NotificationCenter.h"
#include "reports/StringFormat.h"
#include "screens/base/AmountEntryRule.h"
#include "screens/base/PropertyView.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/PickerView.h"
#include "widgets/TextField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("caption"));
    label->setWordWrap(true);
    return label;
}

} // namespace

CarDisplacementViewController::CarDisplacementViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

CarDisplacementViewController::~CarDisplacementViewController() = default;

QString CarDisplacementViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("完成");
}

bool CarDisplacementViewController::needShowDecimal() const
{
    return decimalKeyNeeded(
        activePropertyView && activePropertyView == mCapacity, Utility::CurrentIOSVersion());
}

void CarDisplacementViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    if (!m_carInfo)
        return;
    setTitle(m_carInfo->mCarName);
    m_form = std::make_unique<CarDisplacementForm>(*m_carInfo);
    const QStringList grades = CarDisplacementForm::gradeNames();
    const QString tank = MainBundle::localizedString("油箱容积");
    const QString capacity = MainBundle::localizedString("汽车排量");
    const QString grade = MainBundle::localizedString("缺省汽油标号");

    hiddenField = TextField::hiddenInput(this);
    hiddenField->setKeyboardType(TextField::KeyboardType::DecimalPad);
    hiddenField->setDelegate(this);
    connect(hiddenField, &TextField::textChanged, this, &CarDisplacementViewController::didTextChanged);

    mMaxVolumn = new PropertyView(this);
    mMaxVolumn->setAccessibleName(tank);
    mMaxVolumn->setText(m_form->maxVolumnText);
    mCapacity = new PropertyView(this);
    mCapacity->setAccessibleName(capacity);
    mCapacity->setText(m_form->capacityText);
    mSpec = new PropertyView(this);
    mSpec->setAccessibleName(grade);
    mSpec->setText(grades.value(m_form->gradeRow));
    for (PropertyView* field : { mMaxVolumn, mCapacity, mSpec })
        field->setDelegate(this);
    setFieldOrder({ mMaxVolumn, mCapacity, mSpec });

    mVolumnUnit = new QLabel(
        StringFormat::format(QStringLiteral("(%@)"), { Unit::orNone(m_carInfo->unit).VolumnUnit }), this);
    information = caption(MainBundle::localizedString(
                              "油箱容积用来检查每次加油不超过油箱；缺省汽油标号会预先填入新的加油记录。"),
        this);

    // The wheel stands on the car's own grade from the start, so that saving other changes
    // keeps it.
    specPicker = new PickerView(this);
    specPicker->setAccessibleName(grade);
    specPicker->setComponents({ grades });
    specPicker->selectRow(m_form->gradeRow, 0, false);
    specPicker->hide();
    connect(specPicker, &PickerView::didSelectRow, this, [this](int row) {
        m_form->gradeRow = row;
        mSpec->setText(specPicker->titleForRow(row, 0));
    });

    QVBoxLayout* column = makeFormColumn();
    column->addWidget(caption(tank, this));
    auto* tankRow = new QHBoxLayout;
    tankRow->addWidget(mMaxVolumn, 1);
    tankRow->addWidget(mVolumnUnit);
    column->addLayout(tankRow);
    column->addWidget(caption(capacity, this));
    column->addWidget(mCapacity);
    column->addWidget(caption(grade, this));
    column->addWidget(mSpec);
    column->addSpacing(6);
    column->addWidget(information);
    column->addStretch();
    column->addWidget(specPicker);
}

void CarDisplacementViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    if (m_form)
        onPropertyViewTap(mMaxVolumn);
}

void CarDisplacementViewController::viewWillDisappear()
{
    if (m_form) {
        for (PropertyView* field : { mMaxVolumn, mCapacity, mSpec })
            field->setActive(false);
        specPicker->hide();
        activePropertyView = nullptr;
        hiddenField->resignFirstResponder();
    }
    BaseNumberEditViewController::viewWillDisappear();
}

void CarDisplacementViewController::onPropertyViewTap(PropertyView* view)
{
    if (view != activePropertyView) {
        if (activePropertyView)
            activePropertyView->setActive(false);
        if (activePropertyView == mSpec)
            specPicker->hide();
        activePropertyView = view;
        if (view != mSpec) {
            hiddenField->setAccessibleName(view->accessibleName());
            hiddenField->setText(view->getText());
        }
    }
    // A tap on the field being edited gives its input the keys again.
    if (view == mSpec) {
        specPicker->show();
        specPicker->setFocus(Qt::OtherFocusReason);
    } else {
        hiddenField->becomeFirstResponder();
    }
    view->setActive(true);
}

bool CarDisplacementViewController::textField(TextField* field, int, int, const QString& replacement)
{
    return AmountEntryRule::accepts(field->text(), replacement, kMaxLength, kMaxDecimals);
}

void CarDisplacementViewController::didTextChanged(const QString& text)
{
    if (activePropertyView == mMaxVolumn)
        m_form->maxVolumnText = text;
    else if (activePropertyView == mCapacity)
        m_form->capacityText = text;
    else
        return;
    activePropertyView->setText(text);
}

void CarDisplacementViewController::onDotPress()
{
    if (!hiddenField->text().contains(QLatin1Char('.')))
        hiddenField->setText(hiddenField->text() + QLatin1Char('.'));
}

void CarDisplacementViewController::viewActionButton(QAbstractButton*, int index)
{
    if (index == 0 && activePropertyView != mSpec)
        hiddenField->clear();
}

bool CarDisplacementViewController::saveInfo()
{
    if (!m_form)
        return false;
    if (m_form->applyTo(*m_carInfo))
        return true;
    // The tank field has the keys again once the alert is closed.
    onPropertyViewTap(mMaxVolumn);
    AlertView::showOKWithTitle(QString(), MainBundle::localizedString("请输入油箱最大容积"));
    return false;
}

void CarDisplacementViewController::save()
{
    nextViewController();
}

void CarDisplacementViewController::nextViewController()
{
    if (!saveInfo())
        return;
    if (m_carInfo == CarManage::sharedCarManage()->mNewCarInfo()) {
        NotificationCenter::defaultCenter()->postNotificationName(
            QLatin1String(kSetupWizardComplete), navigationController());
        return;
    }
    dismissModalViewControllerAnimated(true);
}
