#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "platform/NotificationCenter.h"
#include "widgets/Application.h"
#include "widgets/ApplicationDelegate.h"

#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

bool hasHan(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

// A string table's texts by key; a key given twice, a text empty or unfinished, or a table that
// is no valid XML is added to faults.
QHash<QString, QString> readTable(const char* fileName, QStringList* faults)
{
    QFile file(QStringLiteral(PUMPORA_TRANSLATIONS "/") + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        faults->append(file.errorString());
    QXmlStreamReader xml(&file);
    QHash<QString, QString> table;
    QString key;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.name() == QLatin1String("name") && xml.readElementText() != QLatin1String("Localizable"))
            faults->append(QStringLiteral("a context other than Localizable"));
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            key = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            if (!finished || text.isEmpty() || table.contains(key))
                faults->append(key);
            table.insert(key, text);
        }
    }
    if (xml.hasError())
        faults->append(xml.errorString());
    return table;
}

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

    // Chinese shows the Chinese keys themselves and translates the English words among the keys;
    // English translates them all. An unknown key shows as it is; each table replaces the other.
    void translatorFollowsTheLocale()
    {
        for (const char* locale : { "en_US", "zh_CN", "en_US" }) {
            DeviceLocale::setLocaleName(QLatin1String(locale));
            QVERIFY(MainBundle::installTranslator());
            const bool chinese = DeviceLocale::isChinese();
            QCOMPARE(MainBundle::localizedString("Precision Digits"),
                chinese ? QStringLiteral("小数位数") : QStringLiteral("Decimal Places"));
            QCOMPARE(
                MainBundle::localizedString("确定"), chinese ? QStringLiteral("确定") : QStringLiteral("OK"));
            QCOMPARE(MainBundle::localizedString("没有这个键"), QStringLiteral("没有这个键"));
        }
    }

    // Every key has its English text, never with a Chinese word in it, and every key that is an
    // English word has its Chinese one: an alert never mixes the two languages. The app reports
    // through its logging categories and shows Chinese texts through the string table: no raw
    // output nor uncategorised log record in the code, and every Chinese text in it is a key of
    // the English table (the fill-up's diagnostic text is for logs alone).
    void everyTextIsLookedUpInBothLanguagesAndLogsByCategory()
    {
        QStringList faults;
        const QHash<QString, QString> english = readTable("pumpora_en.ts", &faults);
        const QHash<QString, QString> chinese = readTable("pumpora_zh_CN.ts", &faults);
        QVERIFY(english.size() > 100);
        for (auto entry = english.cbegin(); entry != english.cend(); ++entry) {
            if (hasHan(entry.value()) || (!hasHan(entry.key()) && !chinese.contains(entry.key())))
                faults << entry.key();
        }
        for (auto entry = chinese.cbegin(); entry != chinese.cend(); ++entry) {
            if (!english.contains(entry.key()))
                faults << entry.key();
        }
        const QRegularExpression rawOutput(
            QStringLiteral("\\bf?printf\\s*\\(|std::c(out|err)\\b|\\bq(Debug|Info|Warning|Critical)\\s*\\("));
        const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
        // A text split over lines is one text, as the compiler joins it.
        const QRegularExpression split(QStringLiteral("\"\\s*\\n\\s*\""));
        QDirIterator files(QStringLiteral(PUMPORA_CLASSES),
            { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files, QDirIterator::Subdirectories);
        int scanned = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++scanned;
            const QString name = QFileInfo(file).fileName();
            const QStringList lines
                = QString::fromUtf8(file.readAll()).replace(split, QString()).split(QLatin1Char('\n'));
            for (const QString& line : lines) {
                if (line.trimmed().startsWith(QLatin1String("//")))
                    continue;
                if (line.contains(rawOutput))
                    faults << name + QLatin1String(": ") + line.trimmed();
                for (const QRegularExpressionMatch& match : literal.globalMatch(line)) {
                    const QString text = match.captured(1).replace(QLatin1String("\\n"), QLatin1String("\n"));
                    if (hasHan(text) && !english.contains(text) && name != QLatin1String("Oil.cpp"))
                        faults << name + QLatin1String(": ") + text;
                }
            }
        }
        QVERIFY(scanned > 100);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The faces the screens name by their original names, and a system font that covers Chinese.
    void bundledFacesAnswerToTheirNames()
    {
        QVERIFY(FontCatalog::install());
        const std::pair<const char*, const char*> faces[] = { { "DBLCDTempBlack", "DSEG7 Classic" },
            { "ArialRoundedMTBold", "Comfortaa" }, { "Helvetica", "DejaVu Sans" } };
        for (const auto& [name, family] : faces)
            QCOMPARE(QFontInfo(FontCatalog::fontWithName(QLatin1String(name), 12)).family(),
                QLatin1String(family));
        QVERIFY(FontCatalog::systemFontOfSize(12).families().contains(QStringLiteral("WenQuanYi Micro Hei")));
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
