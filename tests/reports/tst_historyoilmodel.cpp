#include "platform/DeviceLocale.h"
#include "reports/HistoryOilModel.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

// The history list's model over a log written with plain SQL: its month sections in order,
// each header with its own month's cost per distance, and the texts of its rows.
class TestHistoryOilModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QString m_car;

    // A fresh log in that time zone with one car and, for another car, a fill-up never shown.
    void open(const char* zone)
    {
        m_data = std::make_unique<TestDataDirectory>(QStringLiteral("en_US"), QLatin1String(zone));
        QVERIFY(LogBuilder::createStore());
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        Setting::setFloatValuePrecisionDigits(2);
        LogBuilder::addFillUp(LogBuilder::addCar(QStringLiteral("Other")),
            { LogBuilder::at(2011, 3, 9), 201103, 9, 99, 11, 9999, 0 });
        m_car = LogBuilder::addCar(QStringLiteral("Golf"));
        Setting::setDefaultCarID(m_car);
        m_data->restart();
        QVERIFY(CarManage::sharedCarManage()->loadDefaultCar());
    }

    void add(double date, int month, double volumn, double money, double price, double reading)
    {
        LogBuilder::addFillUp(m_car, { date, month, volumn, money, price, reading, 0 });
    }

    static QStringList headers(const HistoryOilModel& model)
    {
        QStringList titles;
        for (int section = 0; section < model.rowCount(); ++section)
            titles << model.index(section, 0).data().toString() + QLatin1Char('/')
                    + QString::number(model.rowCount(model.index(section, 0)));
        return titles;
    }

    static const CarInfo& car() { return *CarManage::sharedCarManage()->mCurrentCarInfo(); }

private Q_SLOTS:
    void cleanup() { m_data.reset(); }

    void rowsOfAFillUp_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("weekend");
        QTest::newRow("Saturday, price 0: volume 0")
            << 0 << 0 << "5 Sat 1000 km $0.00 $100.00 0.00 L" << true;
        QTest::newRow("Sunday, same month after it")
            << 0 << 1 << "27 Sun 1200 km $5.00 $50.00 10.00 L" << true;
        QTest::newRow("Tuesday, volume total ÷ price")
            << 2 << 1 << "20 Tue 2000 km $7.50 $300.00 40.00 L" << false;
    }

    // March 2011, January 2012 and March 2012 give three sections in that order, each headed
    // by its month's cost per distance; the rows' texts come in the car's units.
    void rowsOfAFillUp()
    {
        QFETCH(int, section);
        QFETCH(int, row);
        QFETCH(QString, line);
        QFETCH(bool, weekend);
        open("UTC");
        add(LogBuilder::at(2012, 3, 20), 201203, 40, 300, 7.5, 2000);
        add(LogBuilder::at(2011, 3, 27), 201103, 10, 50, 5, 1200);
        add(LogBuilder::at(2011, 3, 5), 201103, 20, 100, 0, 1000.9);
        add(LogBuilder::at(2012, 1, 10), 201201, 15, 120, 8, 1500);
        add(LogBuilder::at(2012, 3, 2), 201203, 10, 100, 10, 1800);
        HistoryOilModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.read(car()));
        QCOMPARE(headers(model),
            (QStringList { "Mar 2011(0.30$/km)/2", "Jan 2012(0.40$/km)/1", "Mar 2012(0.50$/km)/2" }));
        const QModelIndex index = model.index(row, 0, model.index(section, 0));
        QCOMPARE(index.data().toString(), line);
        QCOMPARE(index.data(HistoryOilModel::WeekendRole).toBool(), weekend);
        QCOMPARE(model.indexOfOil(model.oil(index)->oilID), index);
        QVERIFY(!model.oil(index.parent()));
        QCOMPARE(model.flags(index.parent()) & Qt::ItemIsSelectable, Qt::NoItemFlags);
    }

    // Saved at 06:30 on 1 June and on 1 September in UTC+8, viewed from UTC+1: both fall into
    // the month before. A header takes the figures stored for its own month, not its
    // neighbour's by position; August has none.
    void headersTakeTheirOwnMonthsFigures()
    {
        open("Africa/Lagos");
        add(LogBuilder::at(2011, 5, 10), 201105, 10, 52, 5.2, 1000);
        add(LogBuilder::at(2011, 6, 1, 6, 30, "Asia/Shanghai"), 201106, 10, 60, 6, 1400);
        add(LogBuilder::at(2011, 9, 1, 6, 30, "Asia/Shanghai"), 201109, 10, 70, 7, 1900);
        HistoryOilModel model;
        QVERIFY(model.read(car()));
        QCOMPARE(headers(model), (QStringList { "May 2011(0.13$/km)/2", "Aug 2011/1" }));
    }

    void aLogThatCannotBeReadIsNoEmptyOne()
    {
        open("UTC");
        HistoryOilModel model;
        QVERIFY(model.read(car()));
        QCOMPARE(model.rowCount(), 0);
        add(LogBuilder::at(2011, 5, 10), 201105, 10, 52, 5.2, 1000);
        LogBuilder::corruptTable(QStringLiteral("oil_history"));
        QVERIFY(!model.read(car()));
        QVERIFY(!model.errorString().isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHistoryOilModel)
#include "tst_historyoilmodel.moc"
