#include "reports/CarInfoFigures.h"

#include "reports/AmountText.h"
#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/OilInfo.h"
#include "store/Unit.h"

namespace {

// An amount as typed; 0 for none, which editingText leaves empty.
QString amount(float value)
{
    const QString text = AmountText::editingText(value);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

CarInfoFigures::CarInfoFigures(const CarInfo* car)
{
    if (!car)
        return;
    photo = car->thumbnail;
    name = car->mCarName;
    const Unit& unit = Unit::orNone(car->unit);
    unitName = unit.UnitName;
    maxVolumn = StringFormat::format(QStringLiteral("%@ %@"), { amount(car->maxVolumn), unit.VolumnUnit });
    capacity = StringFormat::format(QStringLiteral("%@ CC"), { amount(car->mCapacity) });
    if (car->mOilInfo)
        gradeName = car->mOilInfo->specName;
}
