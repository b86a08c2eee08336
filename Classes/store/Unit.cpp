#include "store/Unit.h"

#include "reports/StringFormat.h"
#include "store/ReferenceListFile.h"
#include "store/Utility.h"

#include <QVariantMap>

#include <cmath>

namespace {

struct UnitSystems
{
    Unit::List units;
    bool loaded = false;
    QString problem;
};

UnitSystems& unitSystems()
{
    static UnitSystems systems;
    return systems;
}

void load(UnitSystems& systems)
{
    QStringList problems;
    const QVariantList elements
        = ReferenceListFile(QStringLiteral("Unit_Info"), QStringLiteral("Unit")).readElements(&problems);
    for (qsizetype index = 0; index < elements.size(); ++index) {
        const QVariantMap record = elements.at(index).toMap();
        const std::optional<unsigned> number
            = ReferenceListFile::numberField(record, QStringLiteral("UnitID"));
        const std::optional<QString> name = ReferenceListFile::textField(record, QStringLiteral("UnitName"));
        const std::optional<QString> distance
            = ReferenceListFile::textField(record, QStringLiteral("MileageUnit"));
        const std::optional<QString> volume
            = ReferenceListFile::textField(record, QStringLiteral("VolumnUnit"));
        if (!number || !name || !distance || !volume) {
            problems.append(
                QStringLiteral("unit system %1 lacks an integer UnitID or one of the strings UnitName, "
                               "MileageUnit and VolumnUnit; it was left out")
                    .arg(index));
            continue;
        }
        auto unit = std::make_unique<Unit>();
        unit->dNumber = *number;
        unit->UnitName = *name;
        unit->MileageUnit = *distance;
        unit->VolumnUnit = *volume;
        systems.units.push_back(std::move(unit));
    }
    systems.loaded = true;
    systems.problem = problems.join(QStringLiteral("; "));
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
    return systems.units;
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

QString Unit::listProblem()
{
    UnitList();
    return unitSystems().problem;
}

void Unit::resetForTesting()
{
    unitSystems() = UnitSystems();
}
