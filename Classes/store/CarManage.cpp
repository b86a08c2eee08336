#include "store/CarManage.h"

#include "platform/Clock.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/OilInfo.h"
#include "store/Session.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QImage>

#include <algorithm>

namespace {

void carFromRow(const StoreStatement& row, CarInfo& car)
{
    if (!row.isNull(0))
        car.carID = row.columnText(0);
    if (!row.isNull(1))
        car.mCarName = row.columnText(1);
    car.mCapacity = NumberConversion::narrowedToFloat(row.columnDouble(2));
    car.mOilInfo = OilInfo::infoAtPosition(row.columnInt(3));
    car.dCarInitKM = row.columnDouble(4);
    car.maxVolumn = NumberConversion::narrowedToFloat(row.columnDouble(5));
    car.mRegisterDate = Date(row.columnDouble(6));
    car.mModifyDate = Date(row.columnDouble(7));
    if (!row.isNull(8))
        car.strRemark = row.columnText(8);
    car.unit = Unit::unitAtPosition(row.columnInt(9));
    if (!row.isNull(10))
        car.thumbnail = QImage::fromData(row.columnBlob(10));
}

} // namespace

CarManage::CarManage()
{
    // The statistics period starts by default at the current car's first fill-up, or at its
    // registration when it has none. The session that owns the manager keeps the source.
    Setting::setStartDateDefault([this](QString* error) -> std::optional<Date> {
        if (!m_currentCar)
            return std::nullopt;
        const std::optional<Date> earliest = m_currentCar->getEarliestOilDateOfAllTime(error);
        if (!error->isEmpty())
            return std::nullopt;
        return earliest.value_or(m_currentCar->mRegisterDate);
    });
}

CarManage* CarManage::sharedCarManage()
{
    return &Session::current().carManage();
}

QList<CarInfo*> CarManage::getAllCars()
{
    if (!m_loaded)
        loadCars(nullptr);
    QList<CarInfo*> cars;
    cars.reserve(qsizetype(m_cars.size()));
    for (const auto& car : m_cars)
        cars.append(car.get());
    return cars;
}

bool CarManage::loadCars(QString* error)
{
    StoreStatement statement(QStringLiteral("select car_id,car_name,car_capacity,car_oil_spec,car_init_mile,"
                                            "maxvolumn,register_date,update_date,notes,unit,thumbnail from "
                                            "car_information"));
    std::vector<std::unique_ptr<CarInfo>> cars;
    while (statement.nextRow()) {
        auto car = std::make_unique<CarInfo>();
        carFromRow(statement, *car);
        cars.push_back(std::move(car));
    }
    // Half a list would pass for the whole log: a failed read leaves nothing loaded.
    if (statement.hasError()) {
        if (error)
            *error = statement.errorString();
        return false;
    }
    m_cars = std::move(cars);
    m_loaded = true;
    m_blankCar = std::make_unique<CarInfo>();
    m_currentCar = m_blankCar.get();
    return true;
}

bool CarManage::loadDefaultCar(QString* error)
{
    if (!m_loaded && !loadCars(error))
        return false;
    const QList<CarInfo*> cars = getAllCars();
    const QString defaultKey = Setting::getDefaultCarID();
    if (defaultKey.isEmpty()) {
        if (!cars.isEmpty())
            m_currentCar = cars.first();
        return true;
    }
    for (CarInfo* car : cars) {
        if (car->carID == defaultKey) {
            m_currentCar = car;
            return true;
        }
    }
    if (!cars.isEmpty())
        setDefaultCar(cars.first());
    return true;
}

void CarManage::setDefaultCar(CarInfo* car)
{
    if (!car)
        return;
    Setting::setDefaultCarID(car->carID);
    m_currentCar = car;
}

int CarManage::getDefaultCarIndex()
{
    const QList<CarInfo*> cars = getAllCars();
    const QString defaultKey = Setting::getDefaultCarID();
    if (defaultKey.size() < 2 || cars.isEmpty())
        return 0;
    for (qsizetype i = 0; i < cars.size(); ++i) {
        if (cars.at(i)->carID == defaultKey)
            return int(i);
    }
    return 0;
}

void CarManage::createNewCar()
{
    m_unsavedCar = std::make_unique<CarInfo>();
    m_newCar = m_unsavedCar.get();
}

bool CarManage::saveNewCar(bool makeDefault)
{
    // A new car already stored stays mNewCarInfo but is not inserted again.
    if (!m_unsavedCar || !addNewCar(m_unsavedCar.get()))
        return false;
    if (makeDefault)
        setDefaultCar(m_newCar);
    return true;
}

bool CarManage::addNewCar(CarInfo* car)
{
    Q_ASSERT_X(
        car && car == m_unsavedCar.get(), "CarManage::addNewCar", "only the car made by createNewCar is new");
    if (!car || car != m_unsavedCar.get())
        return false;

    const QString previousKey = car->carID;
    car->carID = Utility::UUID();
    StoreStatement statement(QStringLiteral(
        "INSERT INTO car_information ('car_id','car_name','car_capacity','car_oil_spec','car_init_mile',"
        "'register_date','update_date','notes','unit','begin_date','end_date','maxvolumn','thumbnail') "
        "VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?,?) "));
    bool inserted = false;
    if (statement.isPrepared()) {
        const double now = Clock::now().timeIntervalSince1970();
        statement.bindText(1, car->carID);
        if (!car->mCarName.isNull())
            statement.bindText(2, car->mCarName);
        // As typed: 45.7, not the float's 45.70000076.
        statement.bindDouble(3, NumberConversion::typedValue(car->mCapacity));
        statement.bindInt(4, int(car->mOilInfo ? car->mOilInfo->dNumber : 0));
        statement.bindDouble(5, car->dCarInitKM);
        statement.bindDouble(6, now);
        statement.bindDouble(7, now);
        if (!car->strRemark.isNull())
            statement.bindText(8, car->strRemark);
        statement.bindInt(9, int(car->unit ? car->unit->dNumber : 0));
        statement.bindDouble(10, now);
        statement.bindDouble(11, 0.0);
        statement.bindDouble(12, NumberConversion::typedValue(car->maxVolumn));
        if (!car->thumbnail.isNull())
            statement.bindBlob(13, car->thumbnailPNG());
        inserted = statement.execute();
    }
    if (!inserted) {
        // A car without a row must not look saved: its fill-ups would be stored under a key
        // that names no car and vanish from view at the next start.
        car->carID = previousKey;
        return false;
    }
    if (m_loaded)
        m_cars.push_back(std::move(m_unsavedCar));
    else
        m_retiredCars.push_back(std::move(m_unsavedCar)); // the first load reads its row back
    return true;
}

bool CarManage::removeCar(CarInfo* car, QString* error)
{
    if (!car)
        return true;
    // The fill-ups go first: a car row left behind still shows the car, where fill-ups left
    // behind would name a car that is gone.
    const QString key = StoreStatement::escapedText(car->carID);
    if (!Utility::executeSQL(
            StringFormat::format(QStringLiteral("delete from oil_history where car_id='%@'"), { key }), error)
        || !Utility::executeSQL(
            StringFormat::format(QStringLiteral("delete from car_information where car_id='%@'"), { key }),
            error))
        return false;
    const auto found = std::find_if(
        m_cars.begin(), m_cars.end(), [car](const auto& listed) { return listed.get() == car; });
    if (found != m_cars.end()) {
        m_retiredCars.push_back(std::move(*found));
        m_cars.erase(found);
    }
    loadDefaultCar();
    return true;
}
