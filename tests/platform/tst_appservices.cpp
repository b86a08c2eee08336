#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "platform/NotificationCenter.h"
#include "widgets/Application.h"
#include "widgets/ApplicationDelegate.h"

#include <QFile>
#include <QFontInfo>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

class LifecycleLog : public ApplicationDelegate
{
public:
    explicit LifecycleLog(QStringList* log)
        : m_log(log)
    { }
    bool didFinishLaunchingWithOptions() override { return true; }
    void applicationWillResignActive() override { m_log->append(QStringLiteral("resign")); }
    void applicationDidEnterBackground() override { m_log->append(QStringLiteral("background")); }
    void applicationWillEnterForeground() override { m_log->append(QStringLiteral("foreground")); }
    void applicationDidBecomeActive() override { m_log->append(QStringLiteral("active")); }

private:
    QStringList* m_log;
};

} // namespace

// What the app finds around it: bundled images, texts and fonts, the notification centre and
// the application's lifecycle.
class TestAppServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imagesAreBundledAndDrawn()
    {
        for (const char* name :
            { "tab.png", "vehicle.png", "report_car.png", "fuel.png", "DoneUp.png", "DoneDown.png",
                "back.png", "tab_overview.png", "tab_report.png", "tab_history.png", "tab_settings.png" }) {
            const QImage image = MainBundle::imageNamed(QLatin1String(name));
            QImage blank(image.size(), image.format());
            blank.fill(Qt::transparent);
            QVERIFY2(!image.isNull() && image != blank, name);
        }
        QVERIFY(MainBundle::applicationIcon().availableSizes().contains(QSize(256, 256)));
    }

    // Chinese shows the keys themselves; English translates them, and leaves an unknown key as it
    // is. Chinese comes first: once installed, a translator stays for the process.
    void translatorFollowsTheLocale()
    {
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QVERIFY(DeviceLocale::isChinese());
        QVERIFY(MainBundle::installTranslator());
        QCOMPARE(MainBundle::localizedString("Precision Digits"), QStringLiteral("Precision Digits"));
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(!DeviceLocale::isChinese());
        QVERIFY(MainBundle::installTranslator());
        QCOMPARE(MainBundle::localizedString("Precision Digits"), QStringLiteral("Decimal Places"));
        QCOMPARE(MainBundle::localizedString("没有这个键"), QStringLiteral("没有这个键"));
    }

    void everyKeyHasAnEnglishText()
    {
        QFile source(QStringLiteral(PUMPORA_TRANSLATION_SOURCE));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&source);
        int messages = 0;
        QString context;
        QString key;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                QCOMPARE(context, QStringLiteral("Localizable"));
            } else if (xml.name() == QLatin1String("source")) {
                key = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(key));
                QVERIFY2(!xml.readElementText().isEmpty(), qPrintable(key));
                ++messages;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 0);
    }

    void bundledFacesAnswerToTheirNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("seven-segment") << QStringLiteral("DBLCDTempBlack") << QStringLiteral("DSEG7 Classic");
        QTest::newRow("rounded sans") << QStringLiteral("ArialRoundedMTBold") << QStringLiteral("Comfortaa");
        QTest::newRow("Helvetica") << QStringLiteral("Helvetica") << QStringLiteral("DejaVu Sans");
    }

    void bundledFacesAnswerToTheirNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QVERIFY(FontCatalog::install());
        QCOMPARE(QFontInfo(FontCatalog::fontWithName(name, 12)).family(), family);
        // The system font covers Chinese.
        QVERIFY(FontCatalog::systemFontOfSize(12).families().contains(QStringLiteral("WenQuanYi Micro Hei")));
        QVERIFY(FontCatalog::boldSystemFontOfSize(12).bold());
    }

    // An observer hears its name, from its sender only if it names one; one that is gone,
    // removed, or removed by an earlier handler of the same notification hears nothing.
    void observersHearTheirNameFromTheirSenders()
    {
        QObject observer;
        QObject sender;
        auto gone = std::make_unique<QObject>();
        QObject removed;
        QList<QObject*> heard;
        int heardFromSender = 0;
        int heardByOthers = 0;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        const QString name = QStringLiteral("SETUP_WIZARD_COMPLETE");
        centre->addObserver(&observer, name, [&](const Notification& notification) {
            heard << notification.object();
            centre->removeObserver(&removed);
        });
        centre->addObserver(
            &observer, name, [&](const Notification&) { ++heardFromSender; }, &sender);
        for (QObject* other : { gone.get(), &removed })
            centre->addObserver(other, name, [&](const Notification&) { ++heardByOthers; });
        gone.reset();
        centre->postNotificationName(name, &sender);
        centre->postNotificationName(QStringLiteral("OTHER"), &sender);
        centre->postNotificationName(name, nullptr);
        QCOMPARE(heard, QList<QObject*>({ &sender, nullptr }));
        QCOMPARE(heardFromSender, 1);
        QCOMPARE(heardByOthers, 0);
        centre->removeObserver(&observer);
    }

    void onlySuspensionSendsTheAppToTheBackground()
    {
        QStringList log;
        Application application(std::make_unique<LifecycleLog>(&log));
        QCOMPARE(Application::sharedApplication(), &application);
        // A desktop losing the focus or being minimised.
        application.applicationStateChanged(Qt::ApplicationInactive);
        application.applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(log, QStringList({ "resign", "active" }));
        log.clear();
        // A phone sending the app away.
        application.applicationStateChanged(Qt::ApplicationSuspended);
        QCOMPARE(log, QStringList({ "resign", "background" }));
    }
};

QTEST_MAIN(TestAppServices)
#include "tst_appservices.moc"
