#include "store/OilMarkForm.h"

#include "platform/MainBundle.h"
#include "reports/AmountText.h"
#include "reports/NumberConversion.h"
#include "store/OilInfo.h"
#include "store/StoreStatement.h"

OilMarkForm::OilMarkForm(const OilInfo& grade)
    : nameText(grade.specName)
    , priceText(grade.stringPrice())
    , m_shownPrice(priceText)
    , m_price(grade.defaultPrice)
{ }

bool OilMarkForm::acceptsName(const QString& currentText, const QString& replacement)
{
    return replacement.isEmpty() || currentText.size() + replacement.size() <= kMaxNameLength;
}

// Compared as typed: 0.01 as a float is a little below 0.01 and would be refused.
double OilMarkForm::price() const
{
    if (priceText == m_shownPrice)
        return NumberConversion::typedValue(m_price);
    return AmountText::value(priceText).value_or(0);
}

QString OilMarkForm::refusal() const
{
    if (priceText.isEmpty())
        return MainBundle::localizedString("请输入油价格");
    if (nameText.trimmed().isEmpty())
        return MainBundle::localizedString("请输入油标号");
    if (price() < 0.01)
        return MainBundle::localizedString("输入油价格不合适");
    return {};
}

bool OilMarkForm::save(OilInfo& grade, QString* error) const
{
    if (const QString refused = refusal(); !refused.isEmpty()) {
        *error = refused;
        return false;
    }
    const OilInfo stored = grade;
    grade.specName = nameText.trimmed();
    if (priceText != m_shownPrice)
        grade.defaultPrice = NumberConversion::narrowedToFloat(price());
    if (grade.update())
        return true;
    // The reason names the file in the list's own words; the user is told what was not saved.
    qCWarning(lcStore).noquote() << OilInfo::listErrorString();
    grade = stored;
    *error = MainBundle::localizedString("油品没有保存：油品列表无法写入。");
    return false;
}
