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
        // Without createNewCar there is nothing to save.
        QVERIFY(!manager()->saveNewCar(true));
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

        // Loaded once: screens hold these cars, so rows written behind the manager's back are not seen.
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

    // Of two cars "First" and "Second": which becomes current, and what stays stored as default.
    void loadDefaultCarPicksTheCurrentCar_data()
    {
        QTest::addColumn<QString>("storedDefault");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("stored default")
            << QStringLiteral("Second") << QStringLiteral("Second") << QStringLiteral("Second");
        QTest::newRow("empty default takes the first car without storing it")
            << QStringLiteral("") << QStringLiteral("First") << QStringLiteral("");
        QTest::newRow("stale default is repaired with the first car")
            << QStringLiteral("GONE") << QStringLiteral("First") << QStringLiteral("First");
    }

    void loadDefaultCarPicksTheCurrentCar()
    {
        QFETCH(QString, storedDefault);
        QFETCH(QString, current);
        QFETCH(QString, storedAfter);
        const QString first = LogBuilder::addCar(QStringLiteral("First"));
        const QString second = LogBuilder::addCar(QStringLiteral("Second"));
        const auto key = [&](const QString& name) {
            return name == QLatin1String("First") ? first : name == QLatin1String("Second") ? second : name;
        };
        Setting::setDefaultCarID(key(storedDefault));
        manager()->loadDefaultCar();
        QCOMPARE(manager()->mCurrentCarInfo()->carID, key(current));
        QCOMPARE(Setting::getDefaultCarID(), key(storedAfter));
        QCOMPARE(manager()->getDefaultCarIndex(), storedAfter == QLatin1String("Second") ? 1 : 0);
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
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select group_concat(car_id) from car_information")), first);
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
        QVERIFY(manager()->saveNewCar(true));
        QCOMPARE(car->carID.size(), 36);
        QCOMPARE(manager()->getAllCars(), QList<CarInfo*> { car });
        QCOMPARE(manager()->mCurrentCarInfo(), car);
        QCOMPARE(Setting::getDefaultCarID(), car->carID);
        QCOMPARE(LogBuilder::value(QStringLiteral("select car_name from car_information")),
            QStringLiteral("Golf"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select register_date from car_information")).toDouble(),
            1306500000.0);

        // A second save (a wizard finished twice) stores no copy.
        QVERIFY(!manager()->saveNewCar(true));
        QCOMPARE(manager()->mNewCarInfo(), car);
        QCOMPARE(manager()->getAllCars(), QList<CarInfo*> { car });
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select count(*) from car_information")), QStringLiteral("1"));
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

        // Once the store accepts it again, the same car can be saved.
        LogBuilder::exec(QStringLiteral("drop trigger refuse"));
        QVERIFY(manager()->saveNewCar(true));
        QCOMPARE(manager()->getAllCars().size(), 2);
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
