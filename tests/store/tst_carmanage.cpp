#include "platform/Clock.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QtTest>

#include <memory>

class TestCarManage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarManage* manager() { return CarManage::sharedCarManage(); }

    static int carRows()
    {
        return LogBuilder::value(QStringLiteral("select count(*) from car_information")).toInt();
    }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
    }
    void cleanup() { m_data.reset(); }

    void freshInstallHasABlankCurrentCar()
    {
        QVERIFY(!manager()->mCurrentCarInfo());
        manager()->loadDefaultCar();
        QVERIFY(manager()->getAllCars().isEmpty());
        QVERIFY(manager()->mCurrentCarInfo());
        QVERIFY(manager()->mCurrentCarInfo()->carID.isEmpty());
        QCOMPARE(manager()->getDefaultCarIndex(), 0);
    }

    void unopenableStoreLeavesNoCurrentCar()
    {
        QVERIFY(QFile::remove(m_data->filePath(QStringLiteral("oil_db.sqlite"))));
        manager()->loadDefaultCar();
        QVERIFY(manager()->getAllCars().isEmpty());
        QVERIFY(!manager()->mCurrentCarInfo());
    }

    void carsComeInTheStoresOrderWithTheirFields()
    {
        const QString first = LogBuilder::addCar(QStringLiteral("Golf"), 1, 3, 1200);
        const QString second = LogBuilder::addCar(QStringLiteral("Zoe"), 4, 0);
        const QList<CarInfo*> cars = manager()->getAllCars();
        QCOMPARE(cars.size(), 2);
        QCOMPARE(cars.at(0)->carID, first);
        QCOMPARE(cars.at(0)->mCarName, QStringLiteral("Golf"));
        QCOMPARE(cars.at(0)->unit, Unit::unitAtPosition(1));
        QCOMPARE(cars.at(0)->mOilInfo, OilInfo::infoAtPosition(3));
        QCOMPARE(cars.at(0)->dCarInitKM, 1200.0);
        QCOMPARE(cars.at(0)->maxVolumn, 60.0f);
        QCOMPARE(cars.at(0)->mRegisterDate, Date(1300000000));
        QCOMPARE(cars.at(1)->carID, second);

        // Loaded once: rows written behind the manager's back are not seen.
        LogBuilder::addCar(QStringLiteral("Late"));
        QCOMPARE(manager()->getAllCars().size(), 2);
    }

    void numbersOutsideTheListsMapToTheFirstEntry()
    {
        LogBuilder::addCar(QStringLiteral("Odd"), 9, 7);
        LogBuilder::exec(QStringLiteral(
            "insert into car_information (car_id, car_oil_spec, unit) values ('neg', -1, -2)"));
        for (CarInfo* car : manager()->getAllCars()) {
            QCOMPARE(car->mOilInfo, OilInfo::infoAtPosition(0));
            QCOMPARE(car->unit, Unit::unitAtPosition(0));
        }
    }

    void storedDefaultBecomesCurrent()
    {
        LogBuilder::addCar(QStringLiteral("First"));
        const QString second = LogBuilder::addCar(QStringLiteral("Second"));
        Setting::setDefaultCarID(second);
        manager()->loadDefaultCar();
        QCOMPARE(manager()->mCurrentCarInfo()->carID, second);
        QCOMPARE(manager()->getDefaultCarIndex(), 1);
    }

    void emptyStoredDefaultTakesTheFirstCarWithoutStoringIt()
    {
        const QString first = LogBuilder::addCar(QStringLiteral("First"));
        LogBuilder::addCar(QStringLiteral("Second"));
        Setting::setDefaultCarID(QString(QLatin1String("")));
        manager()->loadDefaultCar();
        QCOMPARE(manager()->mCurrentCarInfo()->carID, first);
        QVERIFY(Setting::getDefaultCarID().isEmpty());
    }

    void staleDefaultIsRepairedWithTheFirstCar()
    {
        const QString first = LogBuilder::addCar(QStringLiteral("First"));
        Setting::setDefaultCarID(QStringLiteral("GONE"));
        QCOMPARE(manager()->getDefaultCarIndex(), 0);
        manager()->loadDefaultCar();
        QCOMPARE(manager()->mCurrentCarInfo()->carID, first);
        QCOMPARE(Setting::getDefaultCarID(), first);
    }

    void deletingTheDefaultCarOfTwo()
    {
        const QString first = LogBuilder::addCar(QStringLiteral("First"));
        const QString second = LogBuilder::addCar(QStringLiteral("Second"));
        LogBuilder::addFillUp(second, { LogBuilder::at(2011, 5, 1), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(first, { LogBuilder::at(2011, 5, 2), 201105, 30, 200, 7.5, 500, 0 });
        Setting::setDefaultCarID(second);
        manager()->loadDefaultCar();
        CarInfo* removed = manager()->mCurrentCarInfo();

        QVERIFY(manager()->removeCar(removed));
        QCOMPARE(manager()->getAllCars().size(), 1);
        QCOMPARE(manager()->mCurrentCarInfo()->carID, first);
        QCOMPARE(Setting::getDefaultCarID(), first);
        QCOMPARE(carRows(), 1);
        QCOMPARE(LogBuilder::value(QStringLiteral("select group_concat(car_id) from oil_history")), first);
        // A screen still holding the removed car reads a live object.
        QCOMPARE(removed->carID, second);
    }

    void savingTheFirstCarMakesItTheDefault()
    {
        Clock::setFixedNow(Date(1306500000));
        manager()->loadDefaultCar();
        manager()->createNewCar();
        CarInfo* car = manager()->mNewCarInfo();
        car->mCarName = QStringLiteral("Golf");
        car->maxVolumn = 55;
        QVERIFY(manager()->saveNewCar(true));
        QCOMPARE(car->carID.size(), 36);
        QCOMPARE(manager()->getAllCars(), QList<CarInfo*> { car });
        QCOMPARE(manager()->mCurrentCarInfo(), car);
        QCOMPARE(Setting::getDefaultCarID(), car->carID);
        QCOMPARE(LogBuilder::value(QStringLiteral("select car_name from car_information")),
            QStringLiteral("Golf"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select register_date from car_information")).toDouble(),
            1306500000.0);
        QCOMPARE(LogBuilder::value(QStringLiteral("select end_date from car_information")).toDouble(), 0.0);
        // The new car stays reachable after saving, until the next one is created.
        QCOMPARE(manager()->mNewCarInfo(), car);
    }

    void savingAFurtherCarLeavesTheCurrentCarAlone()
    {
        const QString first = LogBuilder::addCar(QStringLiteral("First"));
        manager()->loadDefaultCar();
        Setting::setDefaultCarID(first);
        manager()->createNewCar();
        QVERIFY(manager()->saveNewCar(false));
        QCOMPARE(manager()->getAllCars().size(), 2);
        QCOMPARE(manager()->mCurrentCarInfo()->carID, first);
        QCOMPARE(Setting::getDefaultCarID(), first);
    }

    void failedInsertChangesNothing()
    {
        LogBuilder::addCar(QStringLiteral("First"));
        manager()->loadDefaultCar();
        CarInfo* current = manager()->mCurrentCarInfo();
        LogBuilder::exec(QStringLiteral("create trigger refuse before insert on car_information "
                                        "begin select raise(abort, 'disk full'); end"));
        manager()->createNewCar();
        CarInfo* car = manager()->mNewCarInfo();
        car->mCarName = QStringLiteral("Kept");

        QVERIFY(!manager()->saveNewCar(true));
        QCOMPARE(manager()->getAllCars().size(), 1);
        QCOMPARE(manager()->mCurrentCarInfo(), current);
        QCOMPARE(Setting::getDefaultCarID(), QString());
        QVERIFY(car->carID.isEmpty());
        QCOMPARE(manager()->mNewCarInfo(), car);
        QCOMPARE(car->mCarName, QStringLiteral("Kept"));

        // Once the store accepts it again, the same car can be saved.
        LogBuilder::exec(QStringLiteral("drop trigger refuse"));
        QVERIFY(manager()->saveNewCar(true));
        QCOMPARE(manager()->getAllCars().size(), 2);
    }

    void saveNewCarWithoutANewCarDoesNothing()
    {
        manager()->loadDefaultCar();
        QVERIFY(!manager()->saveNewCar(true));
        QCOMPARE(carRows(), 0);
    }

    void startDateDefaultsToTheCurrentCarsFirstFillUp()
    {
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"));
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 27), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 3, 2), 201103, 40, 300, 7.5, 500, 0 });
        manager()->loadDefaultCar();
        QCOMPARE(Setting::getStartDate(), Date(LogBuilder::at(2011, 3, 2)));
    }

    void startDateDefaultsToTheRegistrationWithoutFillUps()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        manager()->loadDefaultCar();
        QCOMPARE(Setting::getStartDate(), Date(1300000000));
    }
};

QTEST_GUILESS_MAIN(TestCarManage)
#include "tst_carmanage.moc"
