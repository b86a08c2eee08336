#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "reports/CarInfoFigures.h"
#include "reports/DateEx.h"
#include "reports/HistoryOilModel.h"
#include "reports/NumberText.h"
#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "reports/SettingFigures.h"
#include "reports/StringFormat.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <memory>
#include <numeric>
#include <optional>

namespace {

QDateTime local(const char* zone, int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone(zone));
}

Date dateOf(const QDateTime& moment)
{
    return Date(moment.toMSecsSinceEpoch() / 1000.0);
}

QList<double> readings(const std::optional<QList<Oil>>& oils)
{
    QList<double> values;
    for (const Oil& oil : oils.value_or(QList<Oil>()))
        values.append(oil.dCarDisplacement);
    return values;
}

} // namespace

// Failure messages show moments in the device's time zone, which DeviceLocale keeps in step.
char* toString(const Date& date)
{
    const double seconds = date.timeIntervalSince1970();
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(qint64(std::floor(seconds * 1000.0)));
    return qstrdup(QStringLiteral("%1 (%2)")
                       .arg(moment.toString(Qt::ISODateWithMs), QString::number(seconds, 'f', 6))
                       .toUtf8()
                       .constData());
}

// Calendar arithmetic and the texts of dates, numbers and amounts in the device's locale and
// time zone; a car's fill-ups read back for the statistics period, and the figures the
// overview, the history list, the report tab and the lists show, over a log written with
// plain SQL. The current car is Golf (L/100km, first reading 750), beside another car whose
// fill-ups must never show; the period starts on 1 January 2011.
class TestReports : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarInfo* car() { return CarManage::sharedCarManage()->mCurrentCarInfo(); }

    CarInfo* carWithUnit(int unit)
    {
        const QString other = LogBuilder::addCar(QStringLiteral("Other"));
        LogBuilder::addFillUp(other, { LogBuilder::at(2011, 5, 2), 201105, 99, 999, 9, 5000, 0 });
        Setting::setDefaultCarID(LogBuilder::addCar(QStringLiteral("Golf"), unit, 0, 750));
        // Cars are loaded once per session: a fresh one sees the new car.
        m_data->restart();
        CarManage::sharedCarManage()->loadDefaultCar();
        return car();
    }

    // A fill-up of the current car, at money ÷ volume unless a price is given.
    static void add(double date, int month, double volumn, double money, double reading, double price = -1)
    {
        LogBuilder::addFillUp(
            car()->carID, { date, month, volumn, money, price < 0 ? money / volumn : price, reading, 0 });
    }

    static QStringList headers(const HistoryOilModel& model)
    {
        QStringList titles;
        for (int section = 0; section < model.rowCount(); ++section)
            titles << model.index(section, 0).data().toString() + QLatin1Char('/')
                    + QString::number(model.rowCount(model.index(section, 0)));
        return titles;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        Setting::setFloatValuePrecisionDigits(2);
        QVERIFY(carWithUnit(1));
    }
    void cleanup() { m_data.reset(); }

    // A moment's month and day numbers, the day's first moment from its number, and the moment's
    // texts (month|chart|weekday) in the device's locale and time zone. Months carry their calendar year,
    // also where the day falls in another year's week: 30 December 2024 is in 2025's first.
    void calendarNumbersAndTextsFollowTheDevice_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<double>("offset"); // seconds after the moment
        QTest::addColumn<unsigned>("month");
        QTest::addColumn<quint64>("day");
        QTest::addColumn<QString>("texts");
        QTest::newRow("first moment of 2012, Shanghai (UTC is still 2011)")
            << "zh_CN" << local("Asia/Shanghai", 2012, 1, 1) << 0.0 << 201201u << 20120101ull
            << "1月 2012|1月 1|周日";
        QTest::newRow("23:30 on 31 May 2011, New York (UTC is in June)")
            << "en_US" << local("America/New_York", 2011, 5, 31, 23, 30) << 0.0 << 201105u << 20110531ull
            << "May 2011|May 31|Tue";
        QTest::newRow("Thai locale counts Buddhist years; the number stays Gregorian")
            << "th_TH" << local("Asia/Bangkok", 2011, 5, 27, 12) << 0.0 << 201105u << 20110527ull
            << "พ.ค. 2554|พ.ค. 27|ศ.";
        // The last fraction of a second of a month must not be rounded into the next month.
        QTest::newRow("0.4 ms before June") << "en_US" << local("Asia/Bangkok", 2011, 6, 1) << -0.0004
                                            << 201105u << 20110531ull << "May 2011|May 31|Tue";
        QTest::newRow("English 30 December") << "en_US" << local("America/New_York", 2024, 12, 30) << 0.0
                                             << 202412u << 20241230ull << "Dec 2024|Dec 30|Mon";
        // Brazil's clocks jumped from 00:00 to 01:00 that day.
        QTest::newRow("no midnight that day") << "en_US" << local("America/Sao_Paulo", 2018, 11, 4, 1) << 0.0
                                              << 201811u << 20181104ull << "Nov 2018|Nov 4|Sun";
    }

    void calendarNumbersAndTextsFollowTheDevice()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(double, offset);
        DeviceLocale::setLocaleName(locale);
        DeviceLocale::setTimeZoneId(QString::fromLatin1(moment.timeZone().id()));
        const Date date = dateOf(moment).addingTimeInterval(offset);
        QTEST(DateEx::numberMonth(date), "month");
        QTEST(DateEx::numberDate(date), "day");
        // The day number reads back as the day's first moment there.
        QFETCH(quint64, day);
        const QDate calendarDay(int(day / 10000), int(day / 100 % 100), int(day % 100));
        QCOMPARE(DateEx::dateFromNumber(day), dateOf(calendarDay.startOfDay(moment.timeZone())));
        QTEST(QStringList({ DateEx::getMonthStringWithDate(date), DateEx::chartDateString(date),
                              DateEx::localWeekString(date) })
                  .join(QLatin1Char('|')),
            "texts");
    }

    void dayCountsAndLeapYears()
    {
        // February 2000 (divisible by 400), 1900 (by 100) and 2012, and April.
        QCOMPARE((QList<int> { DateEx::getDayCountOfaMonth(2, 2000), DateEx::getDayCountOfaMonth(2, 1900),
                     DateEx::getDayCountOfaMonth(2, 2012), DateEx::getDayCountOfaMonth(4, 2011) }),
            (QList<int> { 29, 28, 29, 30 }));
    }

    // Months and years roll over and drop the seconds; days keep the time of day, across the
    // start of summer time on 27 March 2011 (a day of 23 hours) too.
    void calendarArithmetic_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("days");
        QTest::addColumn<QDateTime>("to");
        const char* zone = "Europe/Berlin";
        QTest::newRow("31 January 2012 + 1 month")
            << local(zone, 2012, 1, 31, 9) << 0 << 1 << 0 << local(zone, 2012, 3, 2, 9);
        QTest::newRow("15 January 2012 10:20:30 - 1 month")
            << local(zone, 2012, 1, 15, 10, 20, 30) << 0 << -1 << 0 << local(zone, 2011, 12, 15, 10, 20);
        QTest::newRow("29 February 2012 + 1 year")
            << local(zone, 2012, 2, 29, 8) << 1 << 0 << 0 << local(zone, 2013, 3, 1, 8);
        QTest::newRow("26 March 2011 + 1 day")
            << local(zone, 2011, 3, 26, 10, 20, 30) << 0 << 0 << 1 << local(zone, 2011, 3, 27, 10, 20, 30);
        QTest::newRow("27 March 2011 - 1 day")
            << local(zone, 2011, 3, 27, 10, 20, 30) << 0 << 0 << -1 << local(zone, 2011, 3, 26, 10, 20, 30);
    }

    void calendarArithmetic()
    {
        QFETCH(QDateTime, from);
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(int, days);
        QFETCH(QDateTime, to);
        DeviceLocale::setTimeZoneId(QStringLiteral("Europe/Berlin"));
        const Date start = dateOf(from).addingTimeInterval(0.75);
        const Date end = years ? DateEx::addTimeIntervalOfYear(start, years)
            : months           ? DateEx::addTimeIntervalOfMonth(start, months)
            : days > 0         ? DateEx::daySetOffAt(start, days)
                               : DateEx::addTimeIntervalOfDay(start, days);
        QCOMPARE(end, dateOf(to).addingTimeInterval(days ? 0.75 : 0));
    }

    // The medium date and time text reads back to the second, in Buddhist years too; a text of
    // another locale, an impossible day, a date alone or trailing words read as nothing.
    void settingDateStringReadsBack()
    {
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 27, 22, 20, 30);
        DeviceLocale::setTimeZoneId(QStringLiteral("Europe/Berlin"));
        const Date date = dateOf(moment);
        // ICU 72 puts a narrow no-break space before AM and PM; a typed space reads back the same.
        QCOMPARE(DateEx::settingDateString(date).replace(QChar(0x202F), QLatin1Char(' ')),
            QStringLiteral("May 27, 2011, 10:20:30 PM"));
        QCOMPARE(DateEx::dateFromSettingDateString(DateEx::settingDateString(date)), date);
        QVERIFY(!DateEx::dateFromSettingDateString(QStringLiteral("Feb 30, 2011, 10:20:30 AM")));
        QVERIFY(!DateEx::dateFromSettingDateString(DateEx::mediumDateString(date)));
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QVERIFY(!DateEx::dateFromSettingDateString(QStringLiteral("May 27, 2011, 10:20:30 AM")));
        DeviceLocale::setLocaleName(QStringLiteral("th_TH"));
        const QString text = DateEx::settingDateString(date.addingTimeInterval(0.5));
        QCOMPARE(DateEx::dateFromSettingDateString(QStringLiteral(" %1 ").arg(text)), date);
        QVERIFY(!DateEx::dateFromSettingDateString(text + QStringLiteral(" x")));
    }

    void everySpecifier_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        const auto row
            = [](const char* pattern, std::initializer_list<FormatArgument> arguments, const char* expected) {
                  QTest::newRow(pattern) << StringFormat::format(QString::fromUtf8(pattern), arguments)
                                         << QString::fromUtf8(expected);
              };
        row("%d km", { -42 }, "-42 km");
        row("%d", { 1234.9 }, "1234"); // a real is truncated
        row("$%qu", { 18446744073709551615ULL }, "$18446744073709551615");
        row("oil_date >%f", { 1306500000.1234567 }, "oil_date >1306500000.123457");
        row("%.3f", { 12.3f }, "12.300");
        row("100%% of %d", { 3 }, "100% of 3");
        row("最近一次加油：%@ %.2f %@ 共%@%.2f", { "05月27日", 40.456, "L", "¥", 300.0 },
            "最近一次加油：05月27日 40.46 L 共¥300.00");
        row("%@/%@", { "a" }, "a/"); // a missing argument
        row("%x %d 50%", { 5 }, "%x 5 50%"); // an unknown specifier and a lone percent are kept
    }

    void everySpecifier()
    {
        QFETCH(QString, result);
        QTEST(result, "expected");
    }

    void fixedIgnoresTheProcessLocale()
    {
        // Qt applications adopt the environment's LC_NUMERIC; a German decimal comma must not
        // reach a statement or an amount.
        const QByteArray previous = setlocale(LC_NUMERIC, nullptr);
        if (!setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("de_DE.UTF-8 is not installed");
        const QString text = StringFormat::fixed(1.5, 2);
        setlocale(LC_NUMERIC, previous.constData());
        QCOMPARE(text, QStringLiteral("1.50"));
    }

    void amountsFollowThePrecisionReadOnEveryCall_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("value"); // shown as a double and as a float
        QTest::addColumn<QString>("text");
        QTest::newRow("precision 1") << 1 << 12.345 << QStringLiteral("12.3");
        QTest::newRow("stored 0 shows two") << 0 << 12.3 << QStringLiteral("12.30");
        QTest::newRow("stored 5 shows two") << 5 << 12.3 << QStringLiteral("12.30");
        // Floats are widened, not rounded: 0.1f is 0.100000001490116..., 12.345f is
        // 12.34500026702881 and rounds up; 1.005 is 1.00499999999999989 either way and rounds down.
        QTest::newRow("0.1 at three") << 3 << 0.1 << QStringLiteral("0.100");
        QTest::newRow("12.345 at two") << 2 << 12.345 << QStringLiteral("12.35");
        QTest::newRow("1.005 at two") << 2 << 1.005 << QStringLiteral("1.00");
    }

    void amountsFollowThePrecisionReadOnEveryCall()
    {
        QFETCH(int, precision);
        QFETCH(double, value);
        // Write the value directly, as a foreign tool could, so 0 and 5 reach the formatter.
        QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .setValue(QLatin1String(Setting::kPrecisionDigits), precision);
        QTEST(StringFormat::CIStringFromDoubleValue(value), "text");
        QTEST(StringFormat::CIStringFromFloatValue(float(value)), "text");
    }

    void decimalCountWithSecondaryGrouping_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("text");
        QTest::newRow("groups of two after the first three") << "en_US" << 123456.0 << 2 << "1,23,456";
        QTest::newRow("three decimals at most, half up not half even")
            << "en_US" << 1234.5665 << 2 << "1,234.567";
        QTest::newRow("negative half away from zero") << "en_US" << -123456.0005 << 2 << "-1,23,456.001";
        QTest::newRow("the usual grouping after groups of two") << "en_US" << 123456.5 << 3 << "123,456.5";
        QTest::newRow("German separators") << "de_DE" << 123456.5 << 2 << "1.23.456,5";
    }

    // Cached formatters must follow every change of locale and grouping from row to row.
    void decimalCountWithSecondaryGrouping()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, secondary);
        DeviceLocale::setLocaleName(locale);
        QTEST(NumberText::stringOfDecimalCount(value, secondary), "text");
    }

    // Oldest first, strictly after the start (the fill-up at 1 May is out), the other car's never.
    void fillUpsOfThePeriod()
    {
        Setting::setStartDate(Date(LogBuilder::at(2011, 5, 1)));
        LogBuilder::addFillUp(car()->carID, { LogBuilder::at(2011, 6, 2), 201106, 40, 300, 7.5, 1400, 2 });
        for (int day = 1; day <= 3; ++day)
            add(LogBuilder::at(2011, 5, day), 201105, 30.0 + day, 200.0 + day, 900.0 + 100 * day);
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QCOMPARE(readings(oils), (QList<double> { 1100, 1200, 1400 }));
        QCOMPARE(oils->at(2).mOilInfo, OilInfo::infoAtPosition(2));
        QCOMPARE(oils->at(2).carID, car()->carID);
        QCOMPARE(readings(car()->getAllOilFromMonth(201105)), (QList<double> { 1100, 1200 }));
        QCOMPARE(readings(car()->getAllOilFromDate(
                     Date(LogBuilder::at(2011, 5, 2)), Date(LogBuilder::at(2011, 5, 3, 0)))),
            QList<double> { 1100 });
        QCOMPARE(readings(car()->getTopFiveOil()), (QList<double> { 1100, 1200, 1400 }));
        QCOMPARE(car()->getFirstOilDate(), Date(LogBuilder::at(2011, 5, 2)));
        QCOMPARE(car()->getTotalMiles().value(), 300.0);
        // The money and volume sums take the fill-up at the start time too.
        QCOMPARE(car()->getTotalMoney().value(), 201.0 + 202.0 + 203.0 + 300.0);
        QCOMPARE(car()->getTotalVolumn().value(), 31.0 + 32.0 + 33.0 + 40.0);
        QCOMPARE(car()->getReportData()->first().totalMoney, 202.0 + 203.0);
        // The latest fill-up carries only its amount, volume and date (see overviewFigures).
        QCOMPARE(car()->getLastOil()->dCarDisplacement, 0.0);
        QCOMPARE(car()->getLastMiles(), 1400.0);
        QCOMPARE(car()->getLastOilDate(), Date(LogBuilder::at(2011, 6, 2)));

        // A start after the latest fill-up empties everything.
        Setting::setStartDate(Date(LogBuilder::at(2011, 6, 3)));
        QVERIFY(!car()->getLastOil() && !car()->getFirstOilDate());
        QVERIFY(car()->getAllOil()->isEmpty() && car()->getTopFiveOil()->isEmpty());
        QCOMPARE(car()->getLastMiles(), 750.0);
        QVERIFY(car()->getMonthReportData().value().isEmpty());
    }

    // Rows another tool might write: NULL amounts, dates, readings and months, grades outside
    // the list.
    void foreignRowsGiveZerosNotCrashes()
    {
        LogBuilder::exec(QStringLiteral(
            "insert into oil_history (car_id, oil_date, oil_spec, oil_month, car_mileage, oil_money) "
            "values ('%1', %2, 99, null, null, null), ('%1', null, -4, null, null, null), "
            "('%1', %3, null, 201105, 1500, 80)")
                             .arg(car()->carID)
                             .arg(LogBuilder::at(2011, 5, 3))
                             .arg(LogBuilder::at(2011, 5, 4)));
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QCOMPARE(oils->size(), 2);
        QCOMPARE(oils->first().mOilInfo, OilInfo::infoAtPosition(0));
        QCOMPARE(oils->first().dTotal, 0.0);
        const QList<OilReportItem> months = car()->getMonthReportData().value();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.first().monthInteger, 0.0);
        QVERIFY(!months.first().getMonthString().isEmpty());
        QCOMPARE(car()->getCarAllReport(true).value().mRPtotalMoney, 80.0);
    }

    void reportsWithoutDistanceOrKnownUnit()
    {
        add(LogBuilder::at(2011, 5, 1), 201105, 30, 60, 1000);
        const CarAllReport full = car()->getCarAllReport(true).value();
        QCOMPARE(QStringList({ full.mRPTMoneyString, full.mRPTVolumnString, full.mRPTMilesString,
                     full.mAvgVolumnString, full.mAvgMoneyString }),
            QStringList({ "$60.00", "30.00 L", "0 km", "0.00L/100km", "0.00$/km" }));
        const CarAllReport driven = car()->getCarAllReport(false).value();
        QCOMPARE(driven.mRPtotalMoney + driven.mRPtotalVolumn, 0.0);

        // A unit system of an unknown number (from an edited list), or none at all (an unusable
        // list): no consumption, no crash.
        Unit unknown;
        unknown.dNumber = 9;
        car()->unit = &unknown;
        QCOMPARE(car()->getMPG(40, 500), 0.0);
        car()->unit = nullptr;
        QCOMPARE(car()->getMPG(40, 500), 0.0);
        QCOMPARE(car()->getCarAllReport(true).value().mRPTMilesString, QStringLiteral("0 "));

        // A unit number outside the list reads as the first system, km/L: 500 ÷ 40, the latest
        // fill-up's volume and money left out.
        carWithUnit(17);
        add(LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 5, 20), 201105, 35, 280, 1500);
        const CarAllReport consumed = car()->getCarAllReport(false).value();
        QCOMPARE(consumed.mRPtotalMoney, 300.0);
        QCOMPARE(consumed.mAvgVolumnString, QStringLiteral("12.50km/L"));
    }

    // May measures up to June's first reading; June without its latest fill-up's money (150),
    // and on the report tab without its volume (20) too, as are the tab's totals. A month of
    // one reading measures to the next month's first fill-up. The distance is cut to a whole
    // number.
    void monthLinesCarryTheDistanceToTheNextMonth()
    {
        add(LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 5, 25), 201105, 35, 280, 1400);
        add(LogBuilder::at(2011, 6, 8), 201106, 30, 250, 1600);
        add(LogBuilder::at(2011, 6, 28), 201106, 20, 150, 2000);
        add(LogBuilder::at(2011, 7, 2), 201107, 30, 250, 2300);
        add(LogBuilder::at(2011, 8, 20), 201108, 30, 250, 2700.9);
        const QList<OilReportItem> months = car()->getMonthReportData().value();
        QCOMPARE(months.size(), 4);
        QCOMPARE(months.at(2).totalMiles, 400.9);
        QCOMPARE(months.at(3).totalVolumn, 30.0); // the volume correction is the report tab's

        ReportFigures figures(*car());
        QVERIFY(figures.read());
        const auto texts = [&figures](qsizetype i) {
            const ReportFigures::MonthTexts line = figures.monthTexts(figures.months().at(i));
            return QStringList { line.month, line.miles, line.volumn, line.money };
        };
        QCOMPARE(texts(0), (QStringList { "May 2011", "600 km", "75.00 L", "$580.00" }));
        QCOMPARE(texts(1), (QStringList { "Jun 2011", "700 km", "50.00 L", "$400.00" }));
        QCOMPARE(texts(3), (QStringList { "Aug 2011", "0 km", "0.00 L", "$0.00" }));
        QCOMPARE(figures.totals().mRPTVolumnString, QStringLiteral("155.00 L"));
        QCOMPARE(figures.totals().mRPTMilesString, QStringLiteral("1700 km"));
    }

    // A car's page on the overview, now being 15 June 2011 at noon. Fill-up k has 2 × its volume
    // in money and the odometer at 1000 + 300 k. The y axis goes by the largest volume: its tick
    // labels, grouped, and the room they need right of the plot.
    void overviewFigures_data()
    {
        QTest::addColumn<QList<double>>("dates");
        QTest::addColumn<QList<double>>("volumns");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QStringList>("xLables");
        QTest::addColumn<QString>("yLables");
        QTest::addColumn<float>("margin");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("average");
        const auto june = [](int day) { return LogBuilder::at(2011, 6, day); };
        QTest::newRow("no fill-up: five days from today, step 1")
            << QList<double>() << QList<double>() << 2
            << QStringList { "Jun 15", "Jun 16", "Jun 17", "Jun 18", "Jun 19" } << "1 2 3 4 5" << 6.0f
            << "No fill-up entered yet"
            << "No data yet";
        QTest::newRow("three fill-ups up to 47 litres: step 10")
            << QList<double> { june(1), june(5), june(10) } << QList<double> { 40.2, 47.0, 45.3 } << 2
            << QStringList { "Jun 1", "Jun 5", "Jun 10", "Jun 15", "Jun 16" } << "10 20 30 40 50" << 6.0f
            << "Last fill-up: Jun 10 45.30 L, total $90.60"
            << "14.53L/100km";
        QTest::newRow("on today's day number a month ago: from tomorrow, step 20 for 52.7")
            << QList<double> { LogBuilder::at(2011, 5, 15) } << QList<double> { 52.7 } << 1
            << QStringList { "May 15", "Jun 16", "Jun 17", "Jun 18", "Jun 19" } << "20 40 60 80 100" << 6.0f
            << "Last fill-up: May 15 52.7 L, total $105.4"
            << "No data yet";
        QTest::newRow("six fill-ups: the newest five, no filler")
            << QList<double> { june(1), june(2), june(3), june(4), june(5), june(6) }
            << QList<double> { 30, 31, 32, 33, 34, 35 } << 3
            << QStringList { "Jun 2", "Jun 3", "Jun 4", "Jun 5", "Jun 6" } << "10 20 30 40 50" << 6.0f
            << "Last fill-up: Jun 6 35.000 L, total $70.000"
            << "10.667L/100km";
        QTest::newRow("900 litres: step 200")
            << QList<double> { june(1) } << QList<double> { 900 } << 2
            << QStringList { "Jun 1", "Jun 15", "Jun 16", "Jun 17", "Jun 18" } << "200 400 600 800 1,000"
            << 15.0f << "Last fill-up: Jun 1 900.00 L, total $1800.00"
            << "No data yet";
        QTest::newRow("8,000 litres: step 2,000")
            << QList<double> { june(1) } << QList<double> { 8000 } << 2
            << QStringList { "Jun 1", "Jun 15", "Jun 16", "Jun 17", "Jun 18" }
            << "2,000 4,000 6,000 8,000 10,000" << 18.0f << "Last fill-up: Jun 1 8000.00 L, total $16000.00"
            << "No data yet";
    }

    void overviewFigures()
    {
        QFETCH(QList<double>, dates);
        QFETCH(QList<double>, volumns);
        QFETCH(int, precision);
        Clock::setFixedNow(Date(LogBuilder::at(2011, 6, 15)));
        Setting::setFloatValuePrecisionDigits(precision);
        for (qsizetype k = 0; k < dates.size(); ++k)
            add(dates.at(k), int(DateEx::numberMonth(Date(dates.at(k)))), volumns.at(k), 2 * volumns.at(k),
                1000.0 + 300 * k);
        OverviewFigures figures(*car());
        QVERIFY(figures.read());
        QCOMPARE(figures.totals().mRPtotalVolumn, std::accumulate(volumns.begin(), volumns.end(), 0.0));
        QTEST(figures.xLables(), "xLables");
        QStringList lables;
        for (unsigned tick = 1; tick <= 5; ++tick)
            lables << figures.yLable(tick);
        QTEST(lables.join(QLatin1Char(' ')), "yLables");
        QTEST(figures.chartRightMargin(), "margin");
        QTEST(figures.latestFillUpText(), "latest");
        QTEST(figures.totals().averageConsumptionText(), "average");
    }

    // A log that can no longer be read gives an error, and no figures from the read before.
    void aFailedReadIsAnErrorNotZeros()
    {
        add(LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        ReportFigures report(*car());
        OverviewFigures overview(*car());
        QVERIFY(report.read() && overview.read());
        LogBuilder::corruptTable(QStringLiteral("oil_history"));
        QVERIFY(!report.read() && !overview.read());
        QVERIFY(!report.errorString().isEmpty());
        QCOMPARE(overview.errorString(), report.errorString());
        QVERIFY(report.months().isEmpty() && report.totals().mRPTMoneyString.isEmpty());
        QVERIFY(overview.totals().mRPTMoneyString.isEmpty() && overview.latestFillUpText().isEmpty());
    }

    // The car information list shows the tank and the displacement as typed, with their units;
    // the settings list a grade's price with the currency symbol and the user's decimals.
    void listFigures()
    {
        car()->maxVolumn = 45.7f;
        car()->mCapacity = 0;
        const CarInfoFigures info(car());
        QCOMPARE(QStringList({ info.name, info.unitName, info.maxVolumn, info.capacity, info.gradeName }),
            QStringList({ "Golf", "L/100km", "45.7 L", "0 CC", "Regular 92" }));
        QVERIFY(CarInfoFigures(nullptr).maxVolumn.isEmpty());
        SettingFigures settings;
        settings.read();
        const SettingFigures::Row grade = settings.gradeRows().at(1);
        QCOMPARE(grade.label + QLatin1Char('|') + grade.detail, QStringLiteral("Premium 95|$1.75"));
    }

    // March 2011, January 2012 and March 2012 give three sections in that order, each headed
    // by its month's cost per distance; the rows' texts come in the car's units. March's two
    // rows fall on a weekend (the history screen's test walks a Tuesday's).
    void historyRowsOfAFillUp()
    {
        add(LogBuilder::at(2012, 3, 20), 201203, 40, 300, 2000);
        add(LogBuilder::at(2011, 3, 27), 201103, 10, 50, 1200);
        add(LogBuilder::at(2011, 3, 5), 201103, 20, 100, 1000.9, 0);
        add(LogBuilder::at(2012, 1, 10), 201201, 15, 120, 1500);
        add(LogBuilder::at(2012, 3, 2), 201203, 10, 100, 1800);
        HistoryOilModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.read(*car()));
        QCOMPARE(headers(model),
            (QStringList { "Mar 2011(0.30$/km)/2", "Jan 2012(0.40$/km)/1", "Mar 2012(0.50$/km)/2" }));
        const QModelIndex march = model.index(0, 0);
        QStringList lines;
        for (int row = 0; row < 2; ++row) {
            lines << model.index(row, 0, march).data().toString();
            QVERIFY(model.index(row, 0, march).data(HistoryOilModel::WeekendRole).toBool());
        }
        // Price 0 gives volume 0.
        QCOMPARE(lines,
            (QStringList { "5 Sat 1000 km $0.00 $100.00 0.00 L", "27 Sun 1200 km $5.00 $50.00 10.00 L" }));
        QVERIFY(!model.oil(march));
    }

    // Saved at 06:30 on 1 June and on 1 September in UTC+8, viewed from UTC+1: both fall into
    // the month before. A header takes the figures stored for its own month, not its
    // neighbour's by position; August has none.
    void historyHeadersTakeTheirOwnMonthsFigures()
    {
        DeviceLocale::setTimeZoneId(QStringLiteral("Africa/Lagos"));
        add(LogBuilder::at(2011, 5, 10), 201105, 10, 52, 1000);
        add(LogBuilder::at(2011, 6, 1, 6, 30, "Asia/Shanghai"), 201106, 10, 60, 1400);
        add(LogBuilder::at(2011, 9, 1, 6, 30, "Asia/Shanghai"), 201109, 10, 70, 1900);
        HistoryOilModel model;
        QVERIFY(model.read(*car()));
        QCOMPARE(headers(model), (QStringList { "May 2011(0.13$/km)/2", "Aug 2011/1" }));
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
