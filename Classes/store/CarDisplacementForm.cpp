#include "store/CarDisplacementForm.h"

#include "reports/AmountText.h"
#include "reports/NumberConversion.h"
#include "store/CarInfo.h"
#include "store/OilInfo.h"

CarDisplacementForm::CarDisplacementForm(const CarInfo& car)
    : maxVolumnText(AmountText::editingText(car.maxVolumn))
    , capacityText(AmountText::editingText(car.mCapacity))
    , m_shownMaxVolumn(maxVolumnText)
    , m_shownCapacity(capacityText)
    , m_maxVolumn(car.maxVolumn)
    , m_capacity(car.mCapacity)
{
    const OilInfo::List& grades = OilInfo::OilInfoDList();
    for (size_t row = 0; row < grades.size(); ++row) {
        if (grades[row].get() == car.mOilInfo)
            gradeRow = int(row);
    }
}

QStringList CarDisplacementForm::gradeNames()
{
    QStringList names;
    for (const std::unique_ptr<OilInfo>& grade : OilInfo::OilInfoDList())
        names << grade->specName;
    return names;
}

float CarDisplacementForm::valueOf(const QString& text, const QString& shown, float stored)
{
    if (text == shown)
        return stored;
    return NumberConversion::narrowedToFloat(AmountText::value(text).value_or(0));
}

bool CarDisplacementForm::hasMaxVolumn() const
{
    return valueOf(maxVolumnText, m_shownMaxVolumn, m_maxVolumn) > 0;
}

bool CarDisplacementForm::applyTo(CarInfo& car) const
{
    if (!hasMaxVolumn())
        return false;
    car.maxVolumn = valueOf(maxVolumnText, m_shownMaxVolumn, m_maxVolumn);
    car.mCapacity = valueOf(capacityText, m_shownCapacity, m_capacity);
    if (OilInfo* grade = OilInfo::infoAtPosition(gradeRow))
        car.mOilInfo = grade;
    return true;
}
