#include "store/Unit.h"

#include "platform/MainBundle.h"
#include "reports/StringFormat.h"
#include "store/ReferenceListFile.h"
#include "store/Session.h"
#include "store/Utility.h"

#include <QVariantMap>

#include <cmath>

namespace {

using UnitSystems = ReferenceList<Unit>;

UnitSystems& unitSystems()
{
    return Session::current().units();
}

void load(UnitSystems& systems)
{
    const ReferenceListFile file(QStringLiteral("Unit_Info"), QStringLiteral("Unit"));
    const QString notReadInFull
        = MainBundle::localizedString("油耗单位 %1 无法完整读取，仍保留它在列表中的位置");
    file.load(systems, notReadInFull, [](const QVariantMap& element, Unit& unit) {
        const std::optional<unsigned> number
            = ReferenceListFile::numberField(element, QStringLiteral("UnitID"));
        const std::optional<QString> name = ReferenceListFile::textField(element, QStringLiteral("UnitName"));
        const std::optional<QString> distance
            = ReferenceListFile::textField(element, QStringLiteral("MileageUnit"));
        const std::optional<QString> volume
            = ReferenceListFile::textField(element, QStringLiteral("VolumnUnit"));
        unit.dNumber = number.value_or(unit.dNumber);
        unit.UnitName = name.value_or(unit.UnitName);
        unit.MileageUnit = distance.value_or(unit.MileageUnit);
        unit.VolumnUnit = volume.value_or(unit.VolumnUnit);
        return number && name && distance && volume;
    });
}

} // namespace

bool Unit::isEqualToUnit(const Unit* other) const
{
    return other && other->dNumber == dNumber && other->UnitName == UnitName
        && other->VolumnUnit == VolumnUnit && other->MileageUnit == MileageUnit;
}

QString Unit::unitCostPeMileageFrom(double distance, double total) const
{
    float cost = distance > 0 ? float(total / distance) : 0.0f;
    // A distance too small for a float's range, or a total that is not a number, would show
    // "inf" or "nan"; there is no cost to speak of then.
    if (!std::isfinite(cost))
        cost = 0.0f;
    return StringFormat::format(QStringLiteral("%@%@/%@"),
        { StringFormat::CIStringFromFloatValue(cost), Utility::getCurrencySybol(), MileageUnit });
}

Unit::ConsumptionKind Unit::consumptionKind() const
{
    return consumptionKindForNumber(dNumber);
}

Unit::ConsumptionKind Unit::consumptionKindForNumber(unsigned number)
{
    switch (number) {
    case 0:
    case 5:
    case 6:
        return ConsumptionKind::DistancePerVolume;
    case 1:
    case 2:
    case 3:
    case 4:
        return ConsumptionKind::VolumePerHundredDistance;
    default:
        return ConsumptionKind::None;
    }
}

Unit::List& Unit::UnitList()
{
    UnitSystems& systems = unitSystems();
    if (!systems.loaded)
        load(systems);
    return systems.records;
}

const Unit& Unit::orNone(const Unit* unit)
{
    static const Unit none;
    return unit ? *unit : none;
}

Unit* Unit::unitAtPosition(qint64 position)
{
    return ReferenceListFile::recordAtPosition(UnitList(), position);
}

QString Unit::listErrorString()
{
    UnitList();
    return unitSystems().errorString;
}
