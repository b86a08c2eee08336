#include "cli/CarsCommand.h"

#include "reports/NumberConversion.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Unit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject carObject(const CarInfo& car, bool current)
{
    return QJsonObject {
        { QStringLiteral("carID"), car.carID },
        { QStringLiteral("mCarName"), car.mCarName },
        { QStringLiteral("mCapacity"), NumberConversion::typedValue(car.mCapacity) },
        { QStringLiteral("dCarInitKM"), car.dCarInitKM },
        { QStringLiteral("maxVolumn"), NumberConversion::typedValue(car.maxVolumn) },
        { QStringLiteral("strRemark"), car.strRemark.isNull() ? QJsonValue() : QJsonValue(car.strRemark) },
        { QStringLiteral("unit"), car.unit ? QJsonValue(qint64(car.unit->dNumber)) : QJsonValue() },
        { QStringLiteral("mOilInfo"),
            car.mOilInfo ? QJsonValue(qint64(car.mOilInfo->dNumber)) : QJsonValue() },
        { QStringLiteral("mRegisterDate"), car.mRegisterDate.timeIntervalSince1970() },
        { QStringLiteral("mModifyDate"), car.mModifyDate.timeIntervalSince1970() },
        { QStringLiteral("current"), current },
    };
}

QString numberText(const QJsonValue& value)
{
    return value.isNull() ? QStringLiteral("-") : QString::number(value.toDouble());
}

} // namespace

CarsCommand::CarsCommand()
    : HeadlessCommand(QStringLiteral("cars"),
        QStringLiteral("List the cars (key, name, unit and grade numbers, tank, displacement); * marks "
                       "the current car."))
{
    syntax().option(m_json);
}

int CarsCommand::execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err)
{
    const bool json = arguments.isSet(m_json);
    if (!openLog(err))
        return Failure;

    CarManage* manager = CarManage::sharedCarManage();
    QJsonArray cars;
    for (const CarInfo* car : manager->getAllCars())
        cars.append(carObject(*car, car == manager->mCurrentCarInfo()));

    if (json) {
        out << QJsonDocument(cars).toJson(QJsonDocument::Indented);
        return Success;
    }
    if (cars.isEmpty()) {
        out << "No cars yet.\n";
        return Success;
    }
    out << QStringLiteral("  %1  %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("KEY"), -36)
               .arg(QStringLiteral("NAME"), -20)
               .arg(QStringLiteral("UNIT"), 4)
               .arg(QStringLiteral("GRADE"), 5)
               .arg(QStringLiteral("TANK"), 6)
               .arg(QStringLiteral("DISPLACEMENT"), 12);
    for (const QJsonValue& value : cars) {
        const QJsonObject car = value.toObject();
        out << QStringLiteral("%1 %2  %3 %4 %5 %6 %7\n")
                   .arg(car.value(QStringLiteral("current")).toBool() ? QLatin1Char('*') : QLatin1Char(' '))
                   .arg(printable(car.value(QStringLiteral("carID")).toString()), -36)
                   .arg(printable(car.value(QStringLiteral("mCarName")).toString()), -20)
                   .arg(numberText(car.value(QStringLiteral("unit"))), 4)
                   .arg(numberText(car.value(QStringLiteral("mOilInfo"))), 5)
                   .arg(numberText(car.value(QStringLiteral("maxVolumn"))), 6)
                   .arg(numberText(car.value(QStringLiteral("mCapacity"))), 12);
    }
    return Success;
}
