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

    // Runs before the English test below: once installed, a translator stays for the process.
    void chineseShowsTheKeysThemselves()
    {
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QVERIFY(DeviceLocale::isChinese());
        QVERIFY(MainBundle::installTranslator());
        QCOMPARE(MainBundle::localizedString("Precision Digits"), QStringLiteral("Precision Digits"));
    }

    void englishTableTranslatesOtherLanguages()
    {
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
    }

    void systemFontCoversChinese()
    {
        const QFont font = FontCatalog::systemFontOfSize(12);
        QVERIFY(font.families().contains(QStringLiteral("WenQuanYi Micro Hei")));
        QVERIFY(FontCatalog::boldSystemFontOfSize(12).bold());
    }

    void observersHearTheirNameFromTheirSenders()
    {
        QObject observer;
        QObject sender;
        QList<QObject*> heard;
        int heardFromSender = 0;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(&observer, QStringLiteral("SETUP_WIZARD_COMPLETE"),
            [&](const Notification& notification) { heard << notification.object(); });
        centre->addObserver(
            &observer, QStringLiteral("SETUP_WIZARD_COMPLETE"),
            [&](const Notification&) { ++heardFromSender; }, &sender);
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), &sender);
        centre->postNotificationName(QStringLiteral("OTHER"), &sender);
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), nullptr);
        QCOMPARE(heard, QList<QObject*>({ &sender, nullptr }));
        QCOMPARE(heardFromSender, 1);
        centre->removeObserver(&observer);
    }

    void goneOrRemovedObserversHearNothing()
    {
        int heard = 0;
        auto observer = std::make_unique<QObject>();
        QObject removed;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(observer.get(), QStringLiteral("N"), [&](const Notification&) { ++heard; });
        centre->addObserver(&removed, QStringLiteral("N"), [&](const Notification&) { ++heard; });
        observer.reset();
        centre->removeObserver(&removed);
        centre->postNotificationName(QStringLiteral("N"), nullptr);
        QCOMPARE(heard, 0);
    }

    void anObserverRemovedByAnEarlierHandlerIsNotCalled()
    {
        QObject first;
        QObject second;
        QStringList heard;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(&first, QStringLiteral("N"), [&](const Notification&) {
            heard << QStringLiteral("first");
            centre->removeObserver(&second);
        });
        centre->addObserver(
            &second, QStringLiteral("N"), [&](const Notification&) { heard << QStringLiteral("second"); });
        centre->postNotificationName(QStringLiteral("N"), nullptr);
        QCOMPARE(heard, QStringList({ "first" }));
        centre->removeObserver(&first);
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
