#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "reports/DateEx.h"
#include "store/CarDisplacementForm.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "store/Oil.h"
#include "store/OilEntryForm.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QImage>
#include <QSettings>
#include <QtTest>

#include <memory>

// Cars and fill-ups written through their records and read back from the real database, and
// the car manager that owns the cars.
class TestCars : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarManage* manager() { return CarManage::sharedCarManage(); }

    static CarInfo* onlyCar()
    {
        const QList<CarInfo*> cars = manager()->getAllCars();
        return cars.size() == 1 ? cars.first() : nullptr;
    }

    // A fresh manager reads everything back from the store, as the next start would.
    CarInfo* reloadedCar()
    {
        m_data->restart();
        return onlyCar();
    }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
    }
    void cleanup() { m_data.reset(); }

    void remarkAndPictureAreStoredAndCleared()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        CarInfo* car = onlyCar();
        QVERIFY(car);
        QVERIFY(car->update());
        const QString where = QStringLiteral(" from car_information where car_id='%1'").arg(car->carID);
        QCOMPARE(LogBuilder::value(QStringLiteral("select notes") + where), QStringLiteral("NULL"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select thumbnail") + where), QStringLiteral("NULL"));

        QImage picture(48, 32, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        car->thumbnail = picture;
        car->strRemark = QStringLiteral("Winter tyres on");
        QVERIFY(car->update());
        car = reloadedCar();
        QCOMPARE(car->strRemark, QStringLiteral("Winter tyres on"));
        QCOMPARE(car->thumbnail.pixelColor(47, 31), QColor(Qt::red));

        car->thumbnail = QImage();
        car->strRemark = QString();
        QVERIFY(car->update());
        QCOMPARE(LogBuilder::value(QStringLiteral("select notes") + where), QStringLiteral("NULL"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select thumbnail") + where), QStringLiteral("NULL"));
    }

    void gradeIsWrittenAsARealAndReadAsAnInteger()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select typeof(car_oil_spec) from car_information")),
            QStringLiteral("integer"));
        CarInfo* car = onlyCar();
        car->mOilInfo = OilInfo::infoAtPosition(2);
        QVERIFY(car->update());
        QCOMPARE(LogBuilder::value(QStringLiteral("select typeof(car_oil_spec) from car_information")),
            QStringLiteral("real"));
        car = reloadedCar();
        QCOMPARE(car->mOilInfo, OilInfo::infoAtPosition(2));
    }

    void addOilStoresTheCarsKey()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        CarInfo* car = onlyCar();
        Oil oil;
        oil.carID = QStringLiteral("SOMEONE-ELSE");
        oil.date = Date(LogBuilder::at(2011, 5, 27));
        oil.mOilInfo = OilInfo::infoAtPosition(1);
        QVERIFY(car->addOil(oil));
        QVERIFY(oil.oilID > 0);
        const QString row = QStringLiteral(" from oil_history where history_id=%1").arg(qint64(oil.oilID));
        QCOMPARE(LogBuilder::value(QStringLiteral("select car_id") + row), car->carID);
        QCOMPARE(LogBuilder::value(QStringLiteral("select oil_spec") + row), QStringLiteral("1"));
    }

    // 23:30 on 31 May is still May where it happened, whichever day it already is in UTC.
    void monthIsTheLocalMonthWhenWritten_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("east of UTC") << QByteArray("Asia/Shanghai");
        QTest::newRow("west of UTC, already June in UTC") << QByteArray("America/New_York");
    }

    void monthIsTheLocalMonthWhenWritten()
    {
        QFETCH(QByteArray, zone);
        DeviceLocale::setTimeZoneId(QString::fromLatin1(zone));
        LogBuilder::addCar(QStringLiteral("Golf"));
        Oil oil;
        oil.date = Date(LogBuilder::at(2011, 5, 31, 23, 30, zone.constData()));
        QVERIFY(onlyCar()->addOil(oil));
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select oil_month from oil_history")), QStringLiteral("201105"));
    }

    void editingAFillUpMovesItAcrossMonthsAndStampsIt()
    {
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"));
        CarInfo* car = onlyCar();
        Oil oil;
        oil.date = Date(LogBuilder::at(2011, 5, 31));
        oil.notes = QStringLiteral("full tank");
        QVERIFY(car->addOil(oil));
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select update_date from oil_history")), QStringLiteral("NULL"));

        Clock::setFixedNow(Date(1400000000));
        oil.date = Date(LogBuilder::at(2011, 6, 1));
        oil.notes = QString();
        QVERIFY(oil.update());
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select oil_month from oil_history")), QStringLiteral("201106"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select notes from oil_history")), QStringLiteral("NULL"));
        QCOMPARE(LogBuilder::value(QStringLiteral("select update_date from oil_history")).toDouble(),
            1400000000.0);
        QCOMPARE(LogBuilder::value(QStringLiteral("select car_id from oil_history")), key);
    }

    void removeDeletesRowsWithKeysBeyond32Bits()
    {
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"));
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (history_id, car_id) values (5000000001, '%1'), "
                           "(705032705, '%1')")
                .arg(key));
        Oil oil;
        oil.oilID = 5000000001.0;
        QVERIFY(oil.remove());
        QCOMPARE(LogBuilder::value(QStringLiteral("select group_concat(history_id) from oil_history")),
            QStringLiteral("705032705"));
    }
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

    void savingTheFirstCarMakesItTheDefaultAndAFurtherOneNot()
    {
        Clock::setFixedNow(Date(1306500000));
        manager()->loadDefaultCar();
        manager()->createNewCar();
        CarInfo* car = manager()->mNewCarInfo();
        QVERIFY(manager()->saveNewCar(true));
        QCOMPARE(car->carID.size(), 36);
        QCOMPARE(manager()->getAllCars(), QList<CarInfo*> { car });
        QCOMPARE(manager()->mCurrentCarInfo(), car);
        QCOMPARE(Setting::getDefaultCarID(), car->carID);
        QCOMPARE(LogBuilder::value(QStringLiteral("select register_date from car_information")).toDouble(),
            1306500000.0);

        // A second save (a wizard finished twice) stores no copy.
        QVERIFY(!manager()->saveNewCar(true));
        QCOMPARE(manager()->mNewCarInfo(), car);
        QCOMPARE(manager()->getAllCars(), QList<CarInfo*> { car });
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select count(*) from car_information")), QStringLiteral("1"));

        // A further car saved as not the default leaves the current car alone.
        manager()->createNewCar();
        QVERIFY(manager()->saveNewCar(false));
        QCOMPARE(manager()->getAllCars().size(), 2);
        QCOMPARE(manager()->mCurrentCarInfo(), car);
        QCOMPARE(Setting::getDefaultCarID(), car->carID);
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

    // The tank, displacement and grade editor: amounts keep their decimals, the grade stays the
    // car's own until another is chosen, and there is no car without a tank above 0.
    void tankDisplacementAndGradeForm_data()
    {
        QTest::addColumn<QString>("tank"); // "=": as shown
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<int>("gradeRow"); // -1: never chosen
        QTest::addColumn<QString>("stored");
        QTest::newRow("left as shown") << "="
                                       << "=" << -1 << "60.0|1.6|2.0";
        QTest::newRow("typed with decimals") << "13.2"
                                             << "1.4" << -1 << "13.2|1.4|2.0";
        QTest::newRow("another grade, no displacement") << "0.5"
                                                        << "" << 0 << "0.5|0.0|0.0";
        QTest::newRow("no tank refused") << ""
                                         << "2" << 0 << "60.0|1.6|2";
        QTest::newRow("a point is no tank") << "."
                                            << "2" << 0 << "60.0|1.6|2";
    }

    void tankDisplacementAndGradeForm()
    {
        QFETCH(QString, tank);
        QFETCH(QString, capacity);
        QFETCH(int, gradeRow);
        QFETCH(QString, stored);
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"), 1, 2);
        CarInfo* car = onlyCar();
        CarDisplacementForm form(*car);
        QCOMPARE(QStringList({ form.maxVolumnText, form.capacityText }), QStringList({ "60", "1.6" }));
        QCOMPARE(form.gradeRow, 2);
        if (tank != QLatin1String("="))
            form.maxVolumnText = tank;
        if (capacity != QLatin1String("="))
            form.capacityText = capacity;
        if (gradeRow >= 0)
            form.gradeRow = gradeRow;
        if (form.applyTo(*car))
            QVERIFY(car->update());
        QCOMPARE(LogBuilder::value(QStringLiteral("select maxvolumn || '|' || car_capacity || '|' || "
                                                  "car_oil_spec from car_information where car_id = '%1'")
                                       .arg(key)),
            stored);
    }

    // The earliest fill-up of all, else the registration.
    void startDateDefaultsToTheCurrentCarsFirstFillUp()
    {
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"));
        manager()->loadDefaultCar();
        QCOMPARE(Setting::getStartDate(), Date(1300000000));

        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 27), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 3, 2), 201103, 40, 300, 7.5, 500, 0 });
        QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .remove(QLatin1String(Setting::kCarFilterStartDate));
        QCOMPARE(Setting::getStartDate(), Date(LogBuilder::at(2011, 3, 2)));
    }
    // The fill-up form: typing two amounts works out the third, once a total is there; a
    // grade brings its price. Steps: P, V, T type the price, volume or total, G chooses a grade.
    void fillUpFormWorksOutTheThirdAmount_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown"); // price|volume|total
        QTest::newRow("total at the grade's price") << "T100"
                                                    << "1.65|60.61|100";
        QTest::newRow("total at 8, then a volume of 10") << "P8 T100 V10"
                                                         << "10.00|10|100";
        QTest::newRow("no price, nothing worked out") << "P T100"
                                                      << "|0.5|100";
        QTest::newRow("a volume before the total keeps the price") << "P7.35 V40"
                                                                   << "7.35|40|";
        QTest::newRow("another grade's price") << "T100 G2"
                                               << "1.89|52.91|100";
    }

    void fillUpFormWorksOutTheThirdAmount()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        LogBuilder::addCar(QStringLiteral("Golf"));
        OilEntryForm form(*onlyCar(), Date(1400000000), 0);
        using F = OilEntryForm::Field;
        form.setText(F::Volumn, QStringLiteral("0.5"));
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            const QString text = step.mid(1);
            if (step.startsWith(QLatin1Char('G')))
                form.chooseGrade(text.toInt());
            else
                form.setText(step.startsWith(QLatin1Char('P')) ? F::Price
                        : step.startsWith(QLatin1Char('V'))    ? F::Volumn
                                                               : F::Total,
                    text);
        }
        QCOMPARE(QStringList({ form.text(F::Price), form.text(F::Volumn), form.text(F::Total) })
                     .join(QLatin1Char('|')),
            shown);
    }

    // Another day keeps the time of day, to the fraction of a second, so that fill-ups of one
    // day keep their order; a day before the statistics start is offered the start of its day.
    void fillUpFormKeepsTheTimeOfDay()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("en_US"), QStringLiteral("Asia/Shanghai"));
        QVERIFY(LogBuilder::createStore());
        LogBuilder::addCar(QStringLiteral("Golf"));
        const double now = LogBuilder::at(2014, 5, 13, 9, 46, "Asia/Shanghai") + 30.25;
        OilEntryForm form(*onlyCar(), Date(now), 0);
        QVERIFY(Setting::setStartDate(Date(now - 3600)));
        QVERIFY(!form.startIncludingOil());
        form.setDay(Date(LogBuilder::at(2014, 4, 30, 0, 0, "Asia/Shanghai")));
        QCOMPARE(form.date(), Date(now - 13 * 86400));
        QCOMPARE(form.text(OilEntryForm::Field::Date), QStringLiteral("2014-04-30"));
        QCOMPARE(form.startIncludingOil().value_or(Date(0)),
            Date(LogBuilder::at(2014, 4, 30, 0, 0, "Asia/Shanghai")));
    }
};

QTEST_GUILESS_MAIN(TestCars)
#include "tst_cars.moc"
