#include "platform/DeviceLocale.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QtTest>

#include <limits>
#include <memory>
#include <utility>

Q_DECLARE_METATYPE(Unit)
Q_DECLARE_METATYPE(Unit::ConsumptionKind)

class TestUnit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    QString copyPath() const { return m_data->filePath(QStringLiteral("Unit_Info.plist")); }

    // One unit system; a value left empty leaves its key out.
    static QString unitElement(
        const QString& id, const QString& name, const QString& distance, const QString& volume)
    {
        QString element = QStringLiteral("<dict>");
        const std::pair<const char*, QString> fields[] = { { "UnitID", id }, { "UnitName", name },
            { "MileageUnit", distance }, { "VolumnUnit", volume } };
        for (const auto& [key, value] : fields) {
            if (!value.isEmpty())
                element += QStringLiteral("<key>%1</key>%2").arg(QLatin1String(key), value);
        }
        return element + QStringLiteral("</dict>");
    }

    static QString text(const QString& value) { return QStringLiteral("<string>%1</string>").arg(value); }
    static QString integer(int value) { return QStringLiteral("<integer>%1</integer>").arg(value); }

    void writeUnits(const QString& elements) const
    {
        QFile file(copyPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                                  "<key>Unit</key><array>%1</array></dict></plist>\n")
                       .arg(elements)
                       .toUtf8());
    }

    static Unit makeUnit(unsigned number, const QString& name, const QString& distance, const QString& volume)
    {
        Unit unit;
        unit.dNumber = number;
        unit.UnitName = name;
        unit.MileageUnit = distance;
        unit.VolumnUnit = volume;
        return unit;
    }

private Q_SLOTS:
    // The currency symbol is established once per run, so the locale must be set first.
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QCOMPARE(Utility::getCurrencySybol(), QStringLiteral("$"));
    }
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void seedNumbersByPositionWithHonestLabels()
    {
        const Unit::List& units = Unit::UnitList();
        QVERIFY(QFile::exists(copyPath()));
        QVERIFY(QFile::permissions(copyPath()) & QFile::WriteOwner);
        QVERIFY2(Unit::listProblem().isEmpty(), qPrintable(Unit::listProblem()));
        QCOMPARE(units.size(), size_t(7));
        for (size_t position = 0; position < units.size(); ++position) {
            const Unit& unit = *units[position];
            QCOMPARE(unit.dNumber, unsigned(position));
            QVERIFY(!unit.MileageUnit.isEmpty() && !unit.VolumnUnit.isEmpty());
            // A volume-per-100-distance system must be named for exactly its two labels.
            if (unit.consumptionKind() == Unit::ConsumptionKind::VolumePerHundredDistance)
                QCOMPARE(unit.UnitName, unit.VolumnUnit + QStringLiteral("/100") + unit.MileageUnit);
            else
                QCOMPARE(unit.consumptionKind(), Unit::ConsumptionKind::DistancePerVolume);
        }
        QCOMPARE(units[0]->UnitName, units[0]->MileageUnit + QLatin1Char('/') + units[0]->VolumnUnit);
    }

    void laterRunReadsTheCopy()
    {
        writeUnits(unitElement(integer(0), text(QStringLiteral("公里/升")), text(QStringLiteral("公里")),
            text(QStringLiteral("升"))));
        QCOMPARE(Unit::UnitList().size(), size_t(1));
        QCOMPARE(Unit::unitAtPosition(0)->UnitName, QStringLiteral("公里/升"));
        QCOMPARE(Unit::unitAtPosition(0)->VolumnUnit, QStringLiteral("升"));
    }

    void malformedUnitIsLeftOut_data()
    {
        QTest::addColumn<QString>("element");
        const QString km = text(QStringLiteral("km"));
        QTest::newRow("no UnitID") << unitElement(QString(), km, km, km);
        QTest::newRow("UnitID as real") << unitElement(QStringLiteral("<real>1</real>"), km, km, km);
        QTest::newRow("no VolumnUnit") << unitElement(integer(1), km, km, QString());
        QTest::newRow("UnitName as integer") << unitElement(integer(1), integer(4), km, km);
        QTest::newRow("MileageUnit as array") << unitElement(integer(1), km, QStringLiteral("<array/>"), km);
    }

    void malformedUnitIsLeftOut()
    {
        QFETCH(QString, element);
        const QString l = text(QStringLiteral("L"));
        const QString km = text(QStringLiteral("km"));
        writeUnits(unitElement(integer(0), text(QStringLiteral("km/L")), km, l) + element
            + unitElement(integer(2), text(QStringLiteral("L/100km")), km, l));
        QCOMPARE(Unit::UnitList().size(), size_t(2));
        QCOMPARE(Unit::unitAtPosition(1)->dNumber, 2u);
        QVERIFY(Unit::listProblem().contains(QLatin1String("unit system 1")));
    }

    void unreadableCopyGivesAnEmptyList()
    {
        const QString km = text(QStringLiteral("km"));
        writeUnits(unitElement(integer(0), km, km, km));
        QFile file(copyPath());
        QVERIFY(file.resize(file.size() / 2));
        QVERIFY(Unit::UnitList().empty());
        QVERIFY(!Unit::unitAtPosition(0));
        QVERIFY(!Unit::unitAtPosition(7));
        QVERIFY(Unit::listProblem().contains(copyPath()));
    }

    void positionsOutsideTheListGiveTheFirstSystem_data()
    {
        QTest::addColumn<qint64>("position");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside") << qint64(6) << 6;
        QTest::newRow("one past the end") << qint64(7) << 0;
        QTest::newRow("negative") << qint64(-1) << 0;
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << 0;
    }

    void positionsOutsideTheListGiveTheFirstSystem()
    {
        QFETCH(qint64, position);
        QFETCH(int, expected);
        QCOMPARE(Unit::unitAtPosition(position), Unit::UnitList().at(size_t(expected)).get());
    }

    void isEqualToUnit_data()
    {
        QTest::addColumn<Unit>("other");
        QTest::addColumn<bool>("equal");
        const QString km = QStringLiteral("km");
        const QString litre = QStringLiteral("L");
        const QString name = QStringLiteral("L/100km");
        QTest::newRow("same") << makeUnit(1, name, km, litre) << true;
        QTest::newRow("number differs") << makeUnit(2, name, km, litre) << false;
        QTest::newRow("name differs") << makeUnit(1, QStringLiteral("l/100km"), km, litre) << false;
        QTest::newRow("distance label differs") << makeUnit(1, name, QStringLiteral("mi"), litre) << false;
        QTest::newRow("only volume label differs") << makeUnit(1, name, km, QStringLiteral("kWh")) << false;
    }

    void isEqualToUnit()
    {
        QFETCH(Unit, other);
        QFETCH(bool, equal);
        const Unit unit = makeUnit(1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L"));
        QCOMPARE(unit.isEqualToUnit(&other), equal);
        QCOMPARE(other.isEqualToUnit(&unit), equal);
        QVERIFY(!unit.isEqualToUnit(nullptr));
    }

    void costPerDistance_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("expected");
        QTest::newRow("50 over 200") << 2 << 200.0 << 50.0 << QStringLiteral("0.25$/km");
        QTest::newRow("distance 0") << 2 << 0.0 << 50.0 << QStringLiteral("0.00$/km");
        QTest::newRow("distance 0, three decimals") << 3 << 0.0 << 50.0 << QStringLiteral("0.000$/km");
        QTest::newRow("negative distance") << 2 << -200.0 << 50.0 << QStringLiteral("0.00$/km");
        QTest::newRow("distance not a number")
            << 2 << std::numeric_limits<double>::quiet_NaN() << 50.0 << QStringLiteral("0.00$/km");
        QTest::newRow("cost beyond a float") << 2 << 1e-300 << 50.0 << QStringLiteral("0.00$/km");
        QTest::newRow("one decimal rounds") << 1 << 300.0 << 100.0 << QStringLiteral("0.3$/km");
        QTest::newRow("three decimals") << 3 << 300.0 << 100.0 << QStringLiteral("0.333$/km");
    }

    void costPerDistance()
    {
        QFETCH(int, precision);
        QFETCH(double, distance);
        QFETCH(double, total);
        QFETCH(QString, expected);
        Setting::setFloatValuePrecisionDigits(precision);
        const Unit unit = makeUnit(1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L"));
        QCOMPARE(unit.unitCostPeMileageFrom(distance, total), expected);
    }

    void consumptionKindByNumber_data()
    {
        QTest::addColumn<unsigned>("number");
        QTest::addColumn<Unit::ConsumptionKind>("kind");
        const auto perVolume = Unit::ConsumptionKind::DistancePerVolume;
        const auto perHundred = Unit::ConsumptionKind::VolumePerHundredDistance;
        QTest::newRow("0") << 0u << perVolume;
        QTest::newRow("1") << 1u << perHundred;
        QTest::newRow("2") << 2u << perHundred;
        QTest::newRow("3") << 3u << perHundred;
        QTest::newRow("4") << 4u << perHundred;
        QTest::newRow("5") << 5u << perVolume;
        QTest::newRow("6") << 6u << perVolume;
        QTest::newRow("7") << 7u << Unit::ConsumptionKind::None;
        QTest::newRow("largest") << std::numeric_limits<unsigned>::max() << Unit::ConsumptionKind::None;
    }

    void consumptionKindByNumber()
    {
        QFETCH(unsigned, number);
        QFETCH(Unit::ConsumptionKind, kind);
        QCOMPARE(Unit::consumptionKindForNumber(number), kind);
        Unit unit;
        unit.dNumber = number;
        QCOMPARE(unit.consumptionKind(), kind);
    }
};

QTEST_GUILESS_MAIN(TestUnit)
#include "tst_unit.moc"
