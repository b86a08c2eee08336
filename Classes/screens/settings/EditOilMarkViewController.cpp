#include "screens/settings/EditOilMarkViewController.h"

#include "platform/MainBundle.h"
#include "reports/StringFormat.h"
#include "screens/base/AmountEntryRule.h"
#include "screens/base/PropertyView.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Utility.h"
#include "widgets/AlertView.h"
#include "widgets/TextField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

EditOilMarkViewController::EditOilMarkViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

EditOilMarkViewController::~EditOilMarkViewController() = default;

QString EditOilMarkViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("保存");
}

bool EditOilMarkViewController::needShowDecimal() const
{
    return decimalKeyNeeded(
        activePropertyView && activePropertyView == oilMarkPrice, Utility::CurrentIOSVersion());
}

void EditOilMarkViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("修改油价"));
    if (!m_editOilInfo)
        return;
    m_form = std::make_unique<OilMarkForm>(*m_editOilInfo);
    const QString name = MainBundle::localizedString("油品名称");
    const QString price = MainBundle::localizedString("缺省价格");

    mTextField = TextField::hiddenInput(this);
    mTextField->setDelegate(this);
    connect(mTextField, &TextField::textChanged, this, &EditOilMarkViewController::didTextChanged);
    oilMarkName = new PropertyView(this);
    oilMarkName->setAccessibleName(name);
    oilMarkName->setText(m_form->nameText);
    oilMarkPrice = new PropertyView(this);
    oilMarkPrice->setAccessibleName(price);
    oilMarkPrice->setText(m_form->priceText);
    for (PropertyView* field : { oilMarkName, oilMarkPrice })
        field->setDelegate(this);
    setFieldOrder({ oilMarkName, oilMarkPrice });
    mUnitLabel
        = new QLabel(StringFormat::format(QStringLiteral("(%@)"), { Utility::getCurrencySybol() }), this);

    QVBoxLayout* column = makeFormColumn();
    column->addWidget(makeCaption(name, this));
    column->addWidget(oilMarkName);
    column->addWidget(makeCaption(price, this));
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(oilMarkPrice, 1);
    priceRow->addWidget(mUnitLabel);
    column->addLayout(priceRow);
    column->addStretch();
}

void EditOilMarkViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    if (m_form)
        onPropertyViewTap(oilMarkPrice);
}

void EditOilMarkViewController::viewWillDisappear()
{
    if (m_form)
        mTextField->resignFirstResponder();
    BaseNumberEditViewController::viewWillDisappear();
}

void EditOilMarkViewController::onPropertyViewTap(PropertyView* view)
{
    if (view != activePropertyView) {
        if (activePropertyView)
            activePropertyView->setActive(false);
        activePropertyView = view;
        // The name is free text; the price an amount.
        mTextField->setKeyboardType(
            view == oilMarkPrice ? TextField::KeyboardType::DecimalPad : TextField::KeyboardType::Default);
        mTextField->setAccessibleName(view->accessibleName());
        mTextField->setText(view->getText());
    }
    mTextField->becomeFirstResponder();
    view->setActive(true);
}

bool EditOilMarkViewController::textField(TextField* field, int, int, const QString& replacement)
{
    if (activePropertyView == oilMarkName)
        return OilMarkForm::acceptsName(field->text(), replacement);
    return AmountEntryRule::accepts(
        field->text(), replacement, OilMarkForm::kMaxPriceLength, Setting::getFloatValuePrecisionDigits());
}

void EditOilMarkViewController::didTextChanged(const QString& text)
{
    if (activePropertyView == oilMarkName)
        m_form->nameText = text;
    else if (activePropertyView == oilMarkPrice)
        m_form->priceText = text;
    else
        return;
    activePropertyView->setText(text);
}

void EditOilMarkViewController::onDotPress()
{
    const QString text = mTextField->text();
    if (text.isEmpty())
        mTextField->setText(QStringLiteral("0."));
    else if (!text.contains(QLatin1Char('.')))
        mTextField->setText(text + QLatin1Char('.'));
}

void EditOilMarkViewController::viewActionButton(QAbstractButton*, int index)
{
    if (index == 0)
        mTextField->clear();
}

void EditOilMarkViewController::save()
{
    if (!m_form)
        return;
    QString error;
    if (!m_form->save(*m_editOilInfo, &error)) {
        if (m_form->refusal().isEmpty())
            AlertView::showError(error);
        else
            AlertView::showOKWithTitle(QString(), error);
        return;
    }
    BaseNumberEditViewController::save();
}
