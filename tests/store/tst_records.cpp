#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "store/Oil.h"
#include "store/OilInfo.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QImage>
#include <QtTest>

#include <memory>

// Cars and fill-ups written through their records and read back from the real database.
class TestRecords : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarInfo* onlyCar()
    {
        const QList<CarInfo*> cars = CarManage::sharedCarManage()->getAllCars();
        return cars.size() == 1 ? cars.first() : nullptr;
    }

    // A fresh manager reads everything back from the store, as the next start would.
    static CarInfo* reloadedCar()
    {
        CarManage::resetForTesting();
        return onlyCar();
    }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
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
        QCOMPARE(car->thumbnail.size(), QSize(48, 32));
        QCOMPARE(car->thumbnail.pixelColor(3, 3), QColor(Qt::red));

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
        QCOMPARE(reloadedCar()->mOilInfo, OilInfo::infoAtPosition(2));
    }

    void updateOfAnUnsavedCarMatchesNoRow()
    {
        CarInfo car;
        QVERIFY(car.update());
        QCOMPARE(
            LogBuilder::value(QStringLiteral("select count(*) from car_information")), QStringLiteral("0"));
    }

    void addOilStoresTheCarsKey()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        CarInfo* car = onlyCar();
        Oil oil;
        oil.carID = QStringLiteral("SOMEONE-ELSE");
        oil.date = Date(LogBuilder::at(2011, 5, 27));
        oil.oilVolumn = 40;
        oil.dTotal = 300;
        oil.dUnitPrice = 7.5;
        oil.mOilInfo = OilInfo::infoAtPosition(1);
        oil.dCarDisplacement = 12345;
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
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
