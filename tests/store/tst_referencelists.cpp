#include "store/OilInfo.h"
#include "store/OilMarkForm.h"
#include "store/PropertyListFile.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Unit)

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

// The fuel grades and unit systems: their copies in the data directory, read and written, and
// the unit systems' figures.
class TestReferenceLists : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

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
        QVERIFY2(OilInfo::listProblem().isEmpty(), qPrintable(OilInfo::listProblem()));
        QVERIFY2(Unit::listProblem().isEmpty(), qPrintable(Unit::listProblem()));
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
        QVERIFY(OilInfo::listProblem().isEmpty());

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
        const QString problem = isGrade ? OilInfo::listProblem() : Unit::listProblem();
        QVERIFY2(readInFull ? problem.isEmpty() : problem.contains(QLatin1String(" 1 could not be read")),
            qPrintable(problem));
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
        QVERIFY(OilInfo::listProblem().contains(gradePath()));
        QCOMPARE(m_data->readFile(gradePath()), contents);
    }

    void failedWriteLeavesTheFileAndKeepsTheEdit()
    {
        OilInfo::List& grades = OilInfo::OilInfoDList();
        QVERIFY(!grades.empty());
        // A directory in the file's place cannot be replaced by a rename.
        QVERIFY(QFile::remove(gradePath()));
        QVERIFY(QDir().mkpath(gradePath() + QStringLiteral("/inside")));

        grades[0]->defaultPrice = 9.99f;
        QVERIFY(!grades[0]->update());
        QVERIFY(QFileInfo(gradePath() + QStringLiteral("/inside")).isDir());
        QCOMPARE(OilInfo::infoAtPosition(0)->defaultPrice, 9.99f);
        QVERIFY(OilInfo::listProblem().contains(gradePath()));
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

    void isEqualToUnit_data()
    {
        QTest::addColumn<Unit>("other");
        QTest::addColumn<bool>("equal");
        const QString km = QStringLiteral("km");
        const QString litre = QStringLiteral("L");
        const QString name = QStringLiteral("L/100km");
        QTest::newRow("same") << Unit { 1, name, km, litre } << true;
        QTest::newRow("number differs") << Unit { 2, name, km, litre } << false;
        QTest::newRow("only volume label differs") << Unit { 1, name, km, QStringLiteral("kWh") } << false;
    }

    void isEqualToUnit()
    {
        QFETCH(Unit, other);
        QFETCH(bool, equal);
        const Unit unit { 1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L") };
        QCOMPARE(unit.isEqualToUnit(&other), equal);
        QCOMPARE(other.isEqualToUnit(&unit), equal);
        QVERIFY(!unit.isEqualToUnit(nullptr));
    }

    void costPerDistance_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<QString>("expected");
        QTest::newRow("50 over 200") << 200.0 << QStringLiteral("0.25$/km");
        QTest::newRow("distance 0") << 0.0 << QStringLiteral("0.00$/km");
        QTest::newRow("cost beyond a float") << 1e-300 << QStringLiteral("0.00$/km");
    }

    void costPerDistance()
    {
        QFETCH(double, distance);
        QFETCH(QString, expected);
        const Unit unit { 1, QStringLiteral("L/100km"), QStringLiteral("km"), QStringLiteral("L") };
        QCOMPARE(unit.unitCostPeMileageFrom(distance, 50.0), expected);
    }
};

QTEST_GUILESS_MAIN(TestReferenceLists)
#include "tst_referencelists.moc"
