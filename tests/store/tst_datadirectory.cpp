#include "platform/Clock.h"
#include "store/Oil.h"
#include "store/OilInfo.h"
#include "store/OilMarkForm.h"
#include "store/PropertyListFile.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A grade whose id and price are written as given ("<real>1</real>").
QString grade(const QString& id, const QString& price, const QString& name = QStringLiteral("B"))
{
    return QStringLiteral("<dict><key>id</key>%1<key>name</key><string>%2</string><key>price</key>%3</dict>")
        .arg(id, name, price);
}

QString integer(int n)
{
    return QStringLiteral("<integer>%1</integer>").arg(n);
}

QString unitSystem(const QString& id, const QString& name)
{
    return QStringLiteral("<dict><key>UnitID</key>%1<key>UnitName</key>%2<key>MileageUnit</key>"
                          "<string>km</string><key>VolumnUnit</key><string>L</string></dict>")
        .arg(id, name);
}

// A list file whose key holds these elements.
QByteArray listDocument(const QString& key, const QString& elements)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                          "<key>%1</key><array>%2</array></dict></plist>\n")
        .arg(key, elements)
        .toUtf8();
}

QStringList describe(const OilInfo::List& grades)
{
    QStringList lines;
    for (const auto& grade : grades)
        lines << QStringLiteral("%1 %2 %3").arg(grade->dNumber).arg(grade->specName).arg(grade->defaultPrice);
    return lines;
}

QStringList describe(const Unit::List& units)
{
    QStringList lines;
    for (const auto& unit : units)
        lines << QStringLiteral("%1 %2").arg(unit->dNumber).arg(unit->UnitName);
    return lines;
}

// Overwrites, inserts or removes a few bytes, or adds a plausible-looking fault for the XML parser.
QByteArray garble(const QByteArray& original, QRandomGenerator& random)
{
    QByteArray bytes = original;
    for (int change = 1 + random.bounded(8); change > 0 && !bytes.isEmpty(); --change) {
        const qsizetype at = random.bounded(bytes.size());
        switch (random.bounded(4)) {
        case 0:
            bytes[at] = char(random.bounded(256));
            break;
        case 1:
            bytes.insert(at, char(random.bounded(256)));
            break;
        case 2:
            bytes.remove(at, 1 + random.bounded(16));
            break;
        default:
            bytes.insert(at, random.bounded(2) ? "<" : "</dict>");
            break;
        }
    }
    return bytes;
}

// Every position lookup gives its entry, the first one outside the list; the list's size.
template <typename Entry>
size_t checkUsable(const std::vector<std::unique_ptr<Entry>>& list, Entry* (*atPosition)(qint64))
{
    for (qint64 position = -1; position <= qint64(list.size()); ++position) {
        const bool inside = position >= 0 && position < qint64(list.size());
        Entry* expected = list.empty() ? nullptr : list.at(inside ? size_t(position) : 0).get();
        if (atPosition(position) != expected)
            QTest::qFail("a position lookup does not give its entry", __FILE__, __LINE__);
    }
    return list.size();
}

} // namespace

// What the app keeps in its data directory: the database, the preferences, and the fuel grades
// and unit systems, read and written; and the small rules around them: statements, keys, the
// fill-up order, the version text and the unit systems' figures.
class TestDataDirectoryContents : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static int count(const QString& table)
    {
        StoreStatement statement(QStringLiteral("select count(*) from ") + table);
        return statement.nextRow() ? statement.columnInt(0) : -1;
    }

    // What is on disk right now, read by a separate reader as the next run would.
    static QVariant stored(const char* key)
    {
        QSettings reader(Setting::preferencesPath(), QSettings::IniFormat);
        return reader.value(QLatin1String(key));
    }

    QString gradePath() const { return m_data->filePath(QStringLiteral("OilSpec_Info.plist")); }

    // Loads the damaged copy as a fresh run would; the number of entries it gave.
    size_t loadDamaged(const QString& fileName, const QByteArray& bytes)
    {
        if (!m_data->writeFile(fileName + QStringLiteral(".plist"), bytes))
            QTest::qFail("the damaged copy cannot be written", __FILE__, __LINE__);
        m_data->restart();
        if (fileName.startsWith(QLatin1String("OilSpec"))) {
            for (const auto& grade : OilInfo::OilInfoDList()) {
                if (!std::isfinite(grade->defaultPrice))
                    QTest::qFail("a grade without a usable price", __FILE__, __LINE__);
            }
            return checkUsable(OilInfo::OilInfoDList(), &OilInfo::infoAtPosition);
        }
        return checkUsable(Unit::UnitList(), &Unit::unitAtPosition);
    }

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void firstStartCopiesAWritableSeedAndLaterStartsKeepIt()
    {
        const Session nested(m_data->filePath(QStringLiteral("nested/deeper")));
        QVERIFY(!QFile::exists(Utility::getDBPath()));
        QString error;
        QVERIFY2(Utility::copyDatabase(&error), qPrintable(error));
        QCOMPARE(Utility::getDBPath(), m_data->filePath(QStringLiteral("nested/deeper/oil_db.sqlite")));
        QCOMPARE(count(QStringLiteral("car_information")), 0);
        QCOMPARE(count(QStringLiteral("oil_history")), 0);
        // Root can write to a read-only file, so look at the bits rather than try a write.
        QVERIFY(QFile::permissions(Utility::getDBPath()) & QFile::WriteOwner);

        // The next start leaves the database, and what was written to it, alone.
        QVERIFY(Utility::executeSQL(QStringLiteral("insert into car_information (car_id) values ('A')")));
        QVERIFY(Utility::copyDatabase());
        QCOMPARE(count(QStringLiteral("car_information")), 1);
    }

    // What a failed copy leaves behind: a database without tables, which every store operation
    // would otherwise accept.
    void emptyFileFromAFailedCopyIsReplacedByTheSeed()
    {
        QVERIFY(m_data->writeFile(QStringLiteral("oil_db.sqlite"), QByteArray()));
        QVERIFY(!Utility::executeSQL(QStringLiteral("delete from car_information")));
        QVERIFY(Utility::copyDatabase());
        QVERIFY(Utility::executeSQL(QStringLiteral("delete from car_information")));
    }

    void storeOperationsNeverCreateTheFile()
    {
        QVERIFY(!Utility::executeSQL(QStringLiteral("delete from oil_history")));
        StoreStatement statement(QStringLiteral("select 1"));
        QVERIFY(!statement.isOpen());
        QVERIFY(!QFile::exists(Utility::getDBPath()));
    }

    void pastedKeysCannotChangeAStatement()
    {
        QVERIFY(Utility::copyDatabase());
        QVERIFY(
            Utility::executeSQL(QStringLiteral("insert into car_information (car_id) values ('A'), ('B')")));
        const QString hostile = QStringLiteral("x' or '1'='1");
        QVERIFY(Utility::executeSQL(QStringLiteral("delete from car_information where car_id='%1'")
                                        .arg(StoreStatement::escapedText(hostile))));
        QCOMPARE(count(QStringLiteral("car_information")), 2);
    }

    void dateOrderPutsDatelessFillUpsFirst()
    {
        // Fill-up k + 1 at these seconds, or without a date.
        const std::optional<double> seconds[] = { 300, std::nullopt, 100, std::nullopt, 100 };
        std::vector<Oil> fillUps(5);
        for (size_t k = 0; k < fillUps.size(); ++k) {
            fillUps[k].oilID = double(k + 1);
            if (seconds[k])
                fillUps[k].date = Date(*seconds[k]);
        }
        // A strict order: equal dates (or none) never come before each other.
        QVERIFY(!OilDateCompare(fillUps[2], fillUps[4]) && !OilDateCompare(fillUps[1], fillUps[3]));
        std::stable_sort(fillUps.begin(), fillUps.end(), OilDateCompare);
        std::vector<double> order;
        for (const Oil& oil : fillUps)
            order.push_back(oil.oilID);
        QCOMPARE(order, (std::vector<double> { 2, 4, 3, 5, 1 }));
    }

    void versionIsScannedFromTheStartOfItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("version");
        QTest::newRow("three parts") << QStringLiteral("4.3.1") << 4.3f;
        QTest::newRow("trailing words") << QStringLiteral("22.04 LTS") << 22.04f;
        QTest::newRow("no number") << QStringLiteral("unknown") << 0.0f;
    }

    void versionIsScannedFromTheStartOfItsText()
    {
        QFETCH(QString, text);
        QFETCH(float, version);
        QCOMPARE(Utility::versionFromText(text), version);
    }

    void firstReadsStoreTheirDefaults()
    {
        QVERIFY(!stored(Setting::kPrecisionDigits).isValid());
        QCOMPARE(Setting::getFloatValuePrecisionDigits(), 2);
        QCOMPARE(stored(Setting::kPrecisionDigits).toInt(), 2);

        QVERIFY(!stored(Setting::kGPSFlag).isValid());
        QVERIFY(Setting::getGPSFlag());
        QCOMPARE(stored(Setting::kGPSFlag).toBool(), true);

        QVERIFY(Setting::getDefaultCarID().isNull());
        QVERIFY(!stored(Setting::kDefaultCar).isValid());
    }

    void precisionOutsideOneToThreeIsStoredAsTwo_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("storedDigits");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4") << 4 << 2;
    }

    // A setter writes through at once: a separate reader sees the value.
    void precisionOutsideOneToThreeIsStoredAsTwo()
    {
        QFETCH(int, digits);
        QFETCH(int, storedDigits);
        Setting::setFloatValuePrecisionDigits(digits);
        QCOMPARE(stored(Setting::kPrecisionDigits).toInt(), storedDigits);
        QCOMPARE(Setting::getFloatValuePrecisionDigits(), storedDigits);
    }

    // Asked of the current car once, then stored; now, when the car has no answer; a stored zero
    // is replaced by the moment of the read even when the car could answer; no date changes nothing.
    void startDateDefaults()
    {
        Clock::setFixedNow(Date(1400000000));
        QCOMPARE(Setting::getStartDate(), Date(1400000000));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1400000000.0);

        Setting::setStartDate(Date(0));
        int asked = 0;
        Setting::setStartDateDefault([&asked](QString*) -> std::optional<Date> {
            ++asked;
            return Date(1306500000.25);
        });
        Clock::setFixedNow(Date(1600000000.5));
        QCOMPARE(Setting::getStartDate(), Date(1600000000.5));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1600000000.5);
        Setting::setStartDate(std::nullopt);
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1600000000.5);

        QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .remove(QLatin1String(Setting::kCarFilterStartDate));
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1306500000.25);
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(asked, 1);
    }

    void firstUseCopiesTheSeedsWritable()
    {
        QVERIFY(!QFile::exists(gradePath()));
        const OilInfo::List& grades = OilInfo::OilInfoDList();
        const Unit::List& units = Unit::UnitList();
        for (const char* name : { "OilSpec_Info.plist", "Unit_Info.plist" }) {
            const QString copy = m_data->filePath(QLatin1String(name));
            // Root can write to a read-only file, so look at the bits rather than try a write.
            QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);
            QCOMPARE(
                m_data->readFile(copy), m_data->readFile(QStringLiteral(":/bundle/") + QLatin1String(name)));
        }
        QVERIFY2(OilInfo::listErrorString().isEmpty(), qPrintable(OilInfo::listErrorString()));
        QVERIFY2(Unit::listErrorString().isEmpty(), qPrintable(Unit::listErrorString()));
        // Records map a stored number back by position, so the seeds must number by position.
        QVERIFY(grades.size() >= 3);
        for (size_t position = 0; position < grades.size(); ++position)
            QCOMPARE(grades[position]->dNumber, unsigned(position));
        QCOMPARE(units.size(), size_t(7));
        for (size_t position = 0; position < units.size(); ++position) {
            QCOMPARE(units[position]->dNumber, unsigned(position));
            // 1 to 4 are volume per 100 distance units.
            const bool perHundred = position >= 1 && position <= 4;
            QCOMPARE(units[position]->consumptionKind(),
                perHundred ? Unit::ConsumptionKind::VolumePerHundredDistance
                           : Unit::ConsumptionKind::DistancePerVolume);
        }
        QCOMPARE(Unit::consumptionKindForNumber(7), Unit::ConsumptionKind::None);
    }

    // Cars hold pointers into the lists, so they must not be rebuilt while the app runs.
    void listIsLoadedOncePerRun()
    {
        OilInfo* first = OilInfo::infoAtPosition(0);
        QVERIFY(first);
        QFile::remove(gradePath());
        QCOMPARE(OilInfo::infoAtPosition(0), first);
    }

    void editSaveReloadKeepsEveryGradeInOrder()
    {
        OilInfo::List& grades = OilInfo::OilInfoDList();
        QVERIFY(grades.size() >= 3);
        grades[2]->defaultPrice = 2.19f;
        grades[2]->specName = QStringLiteral("Super <98> & more");
        const QStringList edited = describe(grades);
        QVERIFY(grades[2]->update());

        m_data->restart();
        QCOMPARE(describe(OilInfo::OilInfoDList()), edited);
        QVERIFY(OilInfo::listErrorString().isEmpty());

        // The file is a plain grade list any property-list reader takes.
        const std::optional<QVariantMap> onDisk = PropertyListFile::readDictionary(gradePath());
        QVERIFY(onDisk);
        const QVariantMap third = onDisk->value(QStringLiteral("OilSpec")).toList().value(2).toMap();
        QCOMPARE(third.value(QStringLiteral("id")).toLongLong(), 2);
        QCOMPARE(third.value(QStringLiteral("price")).toDouble(), 2.19);
    }

    // Between entries numbered 0 and 2, one numbered 1: a number written as a real or a string
    // is a number, and an entry that still cannot be read keeps its place, numbered by it, so
    // that a car stored with grade or unit 2 keeps showing 2.
    void everyEntryKeepsItsPlace_data()
    {
        QTest::addColumn<bool>("isGrade");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("readInFull");
        const QString real = QStringLiteral("<real>1</real>");
        const QString text = QStringLiteral("<string>B</string>");
        QTest::newRow("grade id as a real") << true << grade(real, "<real>2.5</real>") << "1 B 2.5" << true;
        QTest::newRow("grade price as a string")
            << true << grade(integer(1), "<string>2.5</string>") << "1 B 2.5" << true;
        QTest::newRow("grade with a negative id")
            << true << grade(integer(-1), "<real>2.5</real>") << "1 B 2.5" << false;
        QTest::newRow("UnitID as a real") << false << unitSystem(real, text) << "1 B" << true;
        QTest::newRow("UnitName as an integer")
            << false << unitSystem(integer(1), integer(4)) << "1 " << false;
    }

    void everyEntryKeepsItsPlace()
    {
        QFETCH(bool, isGrade);
        QFETCH(QString, element);
        QFETCH(QString, second);
        QFETCH(bool, readInFull);
        const QString key = isGrade ? QStringLiteral("OilSpec") : QStringLiteral("Unit");
        const auto entry = [isGrade](int n) {
            return isGrade ? grade(integer(n), integer(1))
                           : unitSystem(integer(n), QStringLiteral("<string>B</string>"));
        };
        QVERIFY(m_data->writeFile(
            key + QStringLiteral("_Info.plist"), listDocument(key, entry(0) + element + entry(2))));
        const QStringList entries = isGrade ? describe(OilInfo::OilInfoDList()) : describe(Unit::UnitList());
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(1), second);
        QVERIFY(entries.at(2).startsWith(QLatin1String("2 ")));
        const QString error = isGrade ? OilInfo::listErrorString() : Unit::listErrorString();
        QVERIFY2(readInFull ? error.isEmpty() : error.contains(QStringLiteral(" 1 无法完整读取")),
            qPrintable(error));
    }

    void unusableCopyGivesAnEmptyList_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("not a property list") << QByteArray("id,name,price\n0,Diesel,1.65\n");
        QTest::newRow("grades not an array") << QByteArray(
            "<plist version=\"1.0\"><dict><key>OilSpec</key><string>Diesel</string></dict></plist>");
    }

    void unusableCopyGivesAnEmptyList()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(m_data->writeFile(gradePath(), contents));
        QVERIFY(OilInfo::OilInfoDList().empty());
        QVERIFY(!OilInfo::infoAtPosition(0));
        // Nothing was read, so nothing may be written over it.
        QVERIFY(!OilInfo::updateOilInfoDList());
        QVERIFY(OilInfo::listErrorString().contains(gradePath()));
        QCOMPARE(m_data->readFile(gradePath()), contents);
    }

    // The grade editor's refusals in their order, and what it stores: the name as free text,
    // trimmed; a typed price; a price left as shown keeps its stored value, not its rounded text.
    void gradeEditorForm_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("name"); // "=": as shown
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("result"); // the refusal, or the grade as written
        const auto row = [](const char* name, int precision, const char* typedName, const char* price,
                             const char* result) {
            QTest::newRow(name) << precision << QString::fromUtf8(typedName) << QString::fromUtf8(price)
                                << QString::fromUtf8(result);
        };
        row("no price, no name", 2, "", "", "请输入油价格");
        row("0.009 at three decimals", 3, "=", ".009", "输入油价格不合适");
        row("0.01 for a trimmed 0#", 2, " 0# ", ".01", "0# 0.01");
        row("renamed at one decimal", 1, "-10#", "=", "-10# 7.36");
    }

    void gradeEditorForm()
    {
        QFETCH(int, precision);
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, result);
        QVERIFY(Setting::setFloatValuePrecisionDigits(precision));
        OilInfo& grade = *OilInfo::OilInfoDList().at(1);
        grade.defaultPrice = 7.36f;
        OilMarkForm form(grade);
        QCOMPARE(form.priceText, QStringList({ "7.4", "7.36", "7.360" }).at(precision - 1));
        if (name != QLatin1String("="))
            form.nameText = name;
        if (price != QLatin1String("="))
            form.priceText = price;
        QString refusal;
        const bool saved = form.save(grade, &refusal);
        QCOMPARE(saved ? QString() : refusal, saved ? QString() : result);
        QCOMPARE(form.refusal(), refusal);
        if (saved) {
            const QVariantMap written = PropertyListFile::readDictionary(gradePath())
                                            ->value(QStringLiteral("OilSpec"))
                                            .toList()
                                            .at(1)
                                            .toMap();
            QCOMPARE(written.value(QStringLiteral("name")).toString() + QLatin1Char(' ')
                    + QString::number(written.value(QStringLiteral("price")).toDouble(), 'g', 15),
                result);
        }
    }

    void copyReadInPartIsKeptBeforeItIsReplaced()
    {
        const QByteArray damaged = listDocument(QStringLiteral("OilSpec"),
            grade(integer(0), "<real>1.5</real>", "A")
                + QStringLiteral("<dict><key>id</key><integer>1</integer></dict>")
                + grade(integer(2), "<real>3.5</real>", "C"));
        QVERIFY(m_data->writeFile(gradePath(), damaged));
        const QString kept = gradePath() + QStringLiteral(".damaged");
        // Nothing can be kept while a directory is in the way: the file must stay as it was.
        QVERIFY(QDir().mkpath(kept + QStringLiteral("/inside")));

        OilInfo::infoAtPosition(0)->defaultPrice = 1.6f;
        QVERIFY(!OilInfo::updateOilInfoDList());
        QCOMPARE(m_data->readFile(gradePath()), damaged);

        QVERIFY(QDir(kept).removeRecursively());
        QVERIFY(OilInfo::updateOilInfoDList());
        QCOMPARE(m_data->readFile(kept), damaged);
        m_data->restart();
        QCOMPARE(describe(OilInfo::OilInfoDList()),
            QStringList({ QStringLiteral("0 A 1.6"), QStringLiteral("1  5.7"), QStringLiteral("2 C 3.5") }));
    }

    // Copies cut short or garbled: nothing may crash, and a list is either empty or a list of
    // well-formed entries that every position lookup can use.
    void damagedCopies_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("grades") << QStringLiteral("OilSpec_Info");
        QTest::newRow("units") << QStringLiteral("Unit_Info");
    }

    void damagedCopies()
    {
        QFETCH(QString, fileName);
        const QByteArray whole
            = m_data->readFile(QStringLiteral(":/bundle/") + fileName + QStringLiteral(".plist"));
        const size_t full = loadDamaged(fileName, whole);
        QVERIFY(full > 0);

        // A list cut short never yields part of a list that looks whole.
        for (const qsizetype length :
            { qsizetype(0), whole.size() / 4, whole.size() / 2, whole.size() - 9 }) {
            const size_t loaded = loadDamaged(fileName, whole.left(length));
            QVERIFY2(loaded == 0 || loaded == full,
                qPrintable(
                    QStringLiteral("%1 of %2 entries from %3 bytes").arg(loaded).arg(full).arg(length)));
        }
        QRandomGenerator random(19700101);
        for (int round = 0; round < 40 && !QTest::currentTestFailed(); ++round)
            loadDamaged(fileName, garble(whole, random));
    }

    // Equal unit systems agree in number and in every label, either way round; the cost per
    // distance unit has the user's precision, and stays finite beyond a float.
    void unitComparisonAndCostPerDistance()
    {
        const Unit unit { 1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L") };
        Unit other = unit;
        QVERIFY(unit.isEqualToUnit(&other) && !unit.isEqualToUnit(nullptr));
        other.dNumber = 2;
        QVERIFY(!unit.isEqualToUnit(&other) && !other.isEqualToUnit(&unit));
        other = unit;
        other.VolumnUnit = QStringLiteral("kWh");
        QVERIFY(!unit.isEqualToUnit(&other) && !other.isEqualToUnit(&unit));

        QCOMPARE(unit.unitCostPeMileageFrom(200.0, 50.0), QStringLiteral("0.25$/km"));
        QCOMPARE(unit.unitCostPeMileageFrom(1e-300, 50.0), QStringLiteral("0.00$/km"));
    }
};

QTEST_GUILESS_MAIN(TestDataDirectoryContents)
#include "tst_datadirectory.moc"
