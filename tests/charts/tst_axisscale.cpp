#include "store/Utility.h"

#include <QProcess>
#include <QtTest>

#include <cmath>

class TestAxisScale : public QObject
{
    Q_OBJECT

private:
    // Both charts keep their preferred multiples in this order and pass a length of 3 or 5.
    static constexpr quint64 kMultiples[5] = { 5, 4, 3, 2, 1 };

private Q_SLOTS:
    // Steps for five ticks, as both charts ask: the worked table with either list of multiples,
    // the edges of the small-range table, and the fallbacks.
    void stepOfTheAxis_data()
    {
        QTest::addColumn<double>("range");
        QTest::addColumn<QList<quint64>>("multiples");
        QTest::addColumn<bool>("nullMultiples");
        QTest::addColumn<qint64>("step");

        const QList<quint64> consumption { 5, 4, 3 };
        const QList<quint64> volume { 5, 4, 3, 2, 1 };
        const struct
        {
            double range;
            qint64 consumptionStep;
            qint64 volumeStep;
        } worked[] = { { 3.2, 1, 1 }, { 7.5, 2, 2 }, { 18, 4, 4 }, { 28, 6, 6 }, { 45.3, 30, 10 },
            { 150, 30, 30 }, { 420, 300, 100 } };
        for (const auto& row : worked) {
            QTest::addRow("%g with 5,4,3", row.range)
                << row.range << consumption << false << row.consumptionStep;
            QTest::addRow("%g with 5..1", row.range) << row.range << volume << false << row.volumeStep;
        }

        QTest::newRow("exactly 5") << 5.0 << volume << false << qint64(2);
        QTest::newRow("exactly 30") << 30.0 << volume << false << qint64(6);
        QTest::newRow("30.5 leaves the small ranges") << 30.5 << volume << false << qint64(10);
        QTest::newRow("150.1 needs more than 5 steps of 30") << 150.1 << volume << false << qint64(40);
        QTest::newRow("ascending multiples stop early")
            << 150.0 << QList<quint64> { 1, 2, 3 } << false << qint64(100);

        QTest::newRow("nothing to show") << 0.0 << volume << false << qint64(1);
        QTest::newRow("not a number") << std::nan("") << volume << false << qint64(1);

        QTest::newRow("no multiples") << 100.0 << QList<quint64>() << true << qint64(24);
        QTest::newRow("no multiples, small range") << 3.0 << QList<quint64>() << true << qint64(0);
        QTest::newRow("zero length") << 100.0 << QList<quint64>() << false << qint64(24);
    }

    void stepOfTheAxis()
    {
        QFETCH(double, range);
        QFETCH(QList<quint64>, multiples);
        QFETCH(bool, nullMultiples);
        QFETCH(qint64, step);
        const quint64* buffer
            = nullMultiples ? nullptr : (multiples.isEmpty() ? kMultiples : multiples.constData());
        QCOMPARE(Utility::ChartYAxisSetOff(range, 5, buffer, quint8(multiples.size())), step);
    }

    // Run twice: here it starts itself again with the variable set, and the child makes the call.
    void zeroTicksFailTheirAssertion()
    {
        if (qEnvironmentVariableIsSet("PUMPORA_ZERO_TICKS_CHILD")) {
            Utility::ChartYAxisSetOff(45.3, 0, kMultiples, 5);
            QFAIL("a zero tick count went through");
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PUMPORA_ZERO_TICKS_CHILD"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("zeroTicksFailTheirAssertion") });
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(output.contains("count != 0"), output.constData());
    }
};

QTEST_GUILESS_MAIN(TestAxisScale)
#include "tst_axisscale.moc"
