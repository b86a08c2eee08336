#include "location/WCLocation.h"
#include "location/WCLocationDelegate.h"

#include <QNmeaPositionInfoSource>
#include <QtTest>

namespace {

// The NMEA log replayed at its own pace, counting how often it is told what accuracy to aim for
// and the fixes it gives.
class ReplayedSource : public QNmeaPositionInfoSource
{
public:
    ReplayedSource(const QString& log, int* accuracyChanges, int* fixesGiven)
        : QNmeaPositionInfoSource(SimulationMode)
        , m_accuracyChanges(accuracyChanges)
    {
        setDevice(new QFile(log, this));
        connect(this, &QGeoPositionInfoSource::positionUpdated, this, [fixesGiven] { ++*fixesGiven; });
    }

    void setPreferredPositioningMethods(PositioningMethods methods) override
    {
        ++*m_accuracyChanges;
        QNmeaPositionInfoSource::setPreferredPositioningMethods(methods);
    }

    using QNmeaPositionInfoSource::setError;

private:
    int* m_accuracyChanges;
};

} // namespace

// The test is the service's delegate, recording the errors and fixes handed to it.
class TestWCLocation : public QObject, public WCLocationDelegate
{
    Q_OBJECT

private:
    std::unique_ptr<WCLocation> m_service; // a fresh one for each test
    QStringList m_errors; // "domain code"
    QList<std::pair<QGeoCoordinate, QGeoCoordinate>> m_fixes;
    QString m_log;
    bool m_machineHasSource = true;
    int m_sourcesMade = 0;
    int m_accuracyChanges = 0;
    int m_fixesGiven = 0;

    void localtionError(const LocationError& error) override
    {
        m_errors << QStringLiteral("%1 %2").arg(error.domain).arg(error.code);
    }
    void Location(const QGeoCoordinate& newLocation, const QGeoCoordinate& oldLocation) override
    {
        m_fixes.append({ newLocation, oldLocation });
    }

private Q_SLOTS:
    void init()
    {
        m_log = QStringLiteral(PUMPORA_NMEA_LOG);
        m_machineHasSource = true;
        m_sourcesMade = m_accuracyChanges = m_fixesGiven = 0;
        m_errors.clear();
        m_fixes.clear();
        m_service = std::make_unique<WCLocation>();
        m_service->setDelegate(this);
        m_service->setSourceFactory([this]() -> std::unique_ptr<QGeoPositionInfoSource> {
            if (!m_machineHasSource)
                return nullptr;
            ++m_sourcesMade;
            return std::make_unique<ReplayedSource>(m_log, &m_accuracyChanges, &m_fixesGiven);
        });
    }

    // Each step runs with the events it causes; every failure reaches the delegate as the same
    // error.
    void startsStopsAndFailures_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("sourcesMade");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("accuracyChanges");
        QTest::newRow("two starts make one source") << "start start" << 1 << true << 0 << 1;
        QTest::newRow("a stop while stopped does nothing") << "stop" << 0 << false << 0 << 0;
        QTest::newRow("the same accuracy twice reaches the source once")
            << "start accuracy:10 accuracy:10 accuracy:5000" << 1 << true << 0 << 3;
        QTest::newRow("an accuracy set while stopped waits for the start")
            << "accuracy:5000 start" << 1 << true << 0 << 1;
        QTest::newRow("a failure while running stops and is reported once")
            << "start fail stop" << 1 << false << 1 << 1;
        QTest::newRow("a restart after a failure is a fresh source")
            << "start fail start" << 2 << true << 1 << 2;
        QTest::newRow("a log that cannot be read fails the start")
            << "unreadable start" << 1 << false << 1 << 1;
        QTest::newRow("no source on the machine fails the start") << "nosource start" << 0 << false << 1 << 0;
    }

    void startsStopsAndFailures()
    {
        QFETCH(QString, steps);
        QFETCH(int, sourcesMade);
        QFETCH(bool, running);
        QFETCH(int, errors);
        QFETCH(int, accuracyChanges);
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("start")) {
                QVERIFY(m_service->startUpdatingLocation());
            } else if (step == QLatin1String("stop")) {
                m_service->stopUpdatingLocation();
            } else if (step.startsWith(QLatin1String("accuracy:"))) {
                m_service->SetDesiredAccuracy(step.section(QLatin1Char(':'), 1).toDouble());
            } else if (step == QLatin1String("fail")) {
                static_cast<ReplayedSource*>(m_service->locationManager())
                    ->setError(QGeoPositionInfoSource::ClosedError);
            } else if (step == QLatin1String("unreadable")) {
                m_log = QStringLiteral("/nonexistent/three_fixes.nmea");
                QTest::ignoreMessage(
                    QtWarningMsg, "QNmeaPositionInfoSource: cannot open QIODevice data source");
            } else if (step == QLatin1String("nosource")) {
                m_machineHasSource = false;
            }
            QCoreApplication::processEvents();
        }
        QCOMPARE(m_sourcesMade, sourcesMade);
        QCOMPARE(m_service->isLuanching(), running);
        QCOMPARE(m_service->locationManager() != nullptr, running);
        QCOMPARE(m_errors, QStringList(errors, QStringLiteral("CLLocationManager 1")));
        QCOMPARE(m_accuracyChanges, accuracyChanges);
    }

    // The log's three fixes lie about 17 m apart; each comes with the one handed on before it.
    void theDistanceFilterHandsOnFixesFarEnoughApart_data()
    {
        QTest::addColumn<double>("filter");
        QTest::addColumn<int>("fixes");
        QTest::newRow("no filter") << WCLocation::kDistanceFilterNone << 3;
        QTest::newRow("20 m") << 20.0 << 2;
        QTest::newRow("50 m") << 50.0 << 1;
    }

    void theDistanceFilterHandsOnFixesFarEnoughApart()
    {
        QFETCH(double, filter);
        QFETCH(int, fixes);
        m_service->SetDistanceFilter(filter);
        m_service->startUpdatingLocation();
        QTRY_COMPARE(m_fixesGiven, 3);
        QCOMPARE(m_fixes.size(), fixes);
        QCOMPARE(m_fixes.constFirst().first, QGeoCoordinate(31.2304, 121.4737, 12));
        QVERIFY(!m_fixes.constFirst().second.isValid());
        for (qsizetype i = 1; i < m_fixes.size(); ++i)
            QCOMPARE(m_fixes.at(i).second, m_fixes.at(i - 1).first);
        QVERIFY(m_errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWCLocation)
#include "tst_wclocation.moc"
