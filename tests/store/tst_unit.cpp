#include "platform/DeviceLocale.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Unit)

class TestUnit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    QString copyPath() const { return m_data->filePath(QStringLiteral("Unit_Info.plist")); }

    static QString unitElement(const QString& id, const QString& name, const QString& distance)
    {
        return QStringLiteral("<dict><key>UnitID</key>%1<key>UnitName</key>%2<key>MileageUnit</key>%3"
                              "<key>VolumnUnit</key><string>L</string></dict>")
            .arg(id, name, distance);
    }

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
        QVERIFY2(Unit::listProblem().isEmpty(), qPrintable(Unit::listProblem()));
        QCOMPARE(units.size(), size_t(7));
        for (size_t position = 0; position < units.size(); ++position) {
            const Unit& unit = *units[position];
            QCOMPARE(unit.dNumber, unsigned(position));
            // 1 to 4 are volume per 100 distance units, named for exactly their two labels.
            const bool perHundred = position >= 1 && position <= 4;
            QCOMPARE(unit.consumptionKind(),
                perHundred ? Unit::ConsumptionKind::VolumePerHundredDistance
                           : Unit::ConsumptionKind::DistancePerVolume);
            if (perHundred)
                QCOMPARE(unit.UnitName, unit.VolumnUnit + QStringLiteral("/100") + unit.MileageUnit);
        }
        QCOMPARE(Unit::consumptionKindForNumber(7), Unit::ConsumptionKind::None);
        QCOMPARE(units[0]->UnitName, units[0]->MileageUnit + QLatin1Char('/') + units[0]->VolumnUnit);
        QCOMPARE(Unit::unitAtPosition(7), units[0].get());
    }

    void malformedUnitIsLeftOut_data()
    {
        QTest::addColumn<QString>("element");
        const QString km = QStringLiteral("<string>km</string>");
        QTest::newRow("UnitID as real") << unitElement(QStringLiteral("<real>1</real>"), km, km);
        QTest::newRow("UnitName as integer") << unitElement(
            QStringLiteral("<integer>1</integer>"), QStringLiteral("<integer>4</integer>"), km);
    }

    void malformedUnitIsLeftOut()
    {
        QFETCH(QString, element);
        const QString km = QStringLiteral("<string>km</string>");
        writeUnits(unitElement(QStringLiteral("<integer>0</integer>"), km, km) + element
            + unitElement(QStringLiteral("<integer>2</integer>"), km, km));
        QCOMPARE(Unit::UnitList().size(), size_t(2));
        QCOMPARE(Unit::unitAtPosition(1)->dNumber, 2u);
        QVERIFY(Unit::listProblem().contains(QLatin1String("unit system 1")));
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
        QTest::addColumn<QString>("expected");
        QTest::newRow("50 over 200") << 2 << 200.0 << QStringLiteral("0.25$/km");
        QTest::newRow("distance 0") << 2 << 0.0 << QStringLiteral("0.00$/km");
        QTest::newRow("cost beyond a float") << 2 << 1e-300 << QStringLiteral("0.00$/km");
        QTest::newRow("three decimals") << 3 << 150.0 << QStringLiteral("0.333$/km");
    }

    void costPerDistance()
    {
        QFETCH(int, precision);
        QFETCH(double, distance);
        QFETCH(QString, expected);
        Setting::setFloatValuePrecisionDigits(precision);
        const Unit unit = makeUnit(1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L"));
        QCOMPARE(unit.unitCostPeMileageFrom(distance, 50.0), expected);
    }
};

QTEST_GUILESS_MAIN(TestUnit)
#include "tst_unit.moc"
