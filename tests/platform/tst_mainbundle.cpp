#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QXmlStreamReader>
#include <QtTest>

class TestMainBundle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imagesAreBundledByName_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
            { "tab.png", "vehicle.png", "report_car.png", "fuel.png", "DoneUp.png", "DoneDown.png",
                "back.png", "tab_overview.png", "tab_report.png", "tab_history.png", "tab_settings.png" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void imagesAreBundledByName()
    {
        QFETCH(QString, name);
        const QImage image = MainBundle::imageNamed(name);
        QVERIFY(!image.isNull());
        // Drawn, not blank: some pixel is not fully transparent.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(drawn);
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
};

QTEST_MAIN(TestMainBundle)
#include "tst_mainbundle.moc"
