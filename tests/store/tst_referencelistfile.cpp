#include "store/OilInfo.h"
#include "store/PropertyListFile.h"
#include "store/Unit.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <plist/plist.h>

// The grade and unit readers against damaged copies: cut short, bytes overwritten, inserted and
// removed, in both property-list formats. Whatever comes in, nothing may crash, and a list is
// either empty or a list of well-formed entries that every position lookup can use.
class TestReferenceListFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // The same list in the binary format, made by libplist itself.
    static QByteArray toBinary(const QByteArray& xml)
    {
        plist_t root = nullptr;
        plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
        char* binary = nullptr;
        uint32_t length = 0;
        if (root)
            plist_to_bin(root, &binary, &length);
        const QByteArray bytes(binary, binary ? qsizetype(length) : 0);
        std::free(binary);
        plist_free(root);
        return bytes;
    }

    static QByteArray garble(const QByteArray& original, QRandomGenerator& random)
    {
        QByteArray bytes = original;
        const int changes = 1 + random.bounded(8);
        for (int change = 0; change < changes && !bytes.isEmpty(); ++change) {
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
            default: // a plausible-looking fault for the XML parser
                bytes.insert(at, random.bounded(2) ? "<" : "</dict>");
                break;
            }
        }
        if (random.bounded(3) == 0)
            bytes.truncate(random.bounded(bytes.size() + 1));
        return bytes;
    }

    template <typename Entry>
    static void checkUsable(const std::vector<std::unique_ptr<Entry>>& list, Entry* (*atPosition)(qint64))
    {
        if (list.empty()) {
            QVERIFY(!atPosition(0));
            QVERIFY(!atPosition(-1));
            return;
        }
        for (qint64 position = -1; position <= qint64(list.size()); ++position) {
            Entry* entry = atPosition(position);
            QVERIFY(entry);
            const bool inside = position >= 0 && position < qint64(list.size());
            QCOMPARE(entry, list.at(inside ? size_t(position) : 0).get());
        }
    }

    // Loads the damaged copy as a fresh run would and checks what came out.
    void loadDamaged(const QString& fileName, const QByteArray& bytes)
    {
        writeFile(m_data->filePath(fileName), bytes);
        OilInfo::resetForTesting();
        Unit::resetForTesting();
        if (fileName.startsWith(QLatin1String("OilSpec"))) {
            for (const auto& grade : OilInfo::OilInfoDList())
                QVERIFY(std::isfinite(grade->defaultPrice));
            checkUsable(OilInfo::OilInfoDList(), &OilInfo::infoAtPosition);
        } else {
            checkUsable(Unit::UnitList(), &Unit::unitAtPosition);
        }
    }

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void binaryCopyIsRead()
    {
        const QByteArray seed = readFile(QStringLiteral(":/bundle/OilSpec_Info.plist"));
        const size_t seedGrades = OilInfo::OilInfoDList().size();
        QVERIFY(seedGrades > 0);
        writeFile(m_data->filePath(QStringLiteral("OilSpec_Info.plist")), toBinary(seed));
        OilInfo::resetForTesting();
        QCOMPARE(OilInfo::OilInfoDList().size(), seedGrades);
        QVERIFY(OilInfo::listProblem().isEmpty());
    }

    void cutShortEverywhere_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("binary");
        QTest::newRow("grades, XML") << QStringLiteral("OilSpec_Info") << false;
        QTest::newRow("grades, binary") << QStringLiteral("OilSpec_Info") << true;
        QTest::newRow("units, XML") << QStringLiteral("Unit_Info") << false;
        QTest::newRow("units, binary") << QStringLiteral("Unit_Info") << true;
    }

    // Every prefix of the file: a list cut short never yields part of a list that looks whole,
    // only nothing or (when only trailing bytes are gone) everything.
    void cutShortEverywhere()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, binary);
        const QByteArray xml = readFile(QStringLiteral(":/bundle/") + fileName + QStringLiteral(".plist"));
        const QByteArray whole = binary ? toBinary(xml) : xml;
        QVERIFY(!whole.isEmpty());
        const bool grades = fileName.startsWith(QLatin1String("OilSpec"));
        const size_t full = grades ? OilInfo::OilInfoDList().size() : Unit::UnitList().size();
        // Every byte of the binary form, every 7th of the longer XML keeps the test quick.
        const qsizetype step = binary ? 1 : 7;
        for (qsizetype length = 0; length < whole.size(); length += step) {
            loadDamaged(fileName + QStringLiteral(".plist"), whole.left(length));
            const size_t loaded = grades ? OilInfo::OilInfoDList().size() : Unit::UnitList().size();
            if (loaded != 0 && loaded != full)
                QFAIL(qPrintable(QStringLiteral("%1 of %2 entries from the first %3 bytes")
                                     .arg(loaded)
                                     .arg(full)
                                     .arg(length)));
        }
    }

    void garbled_data() { cutShortEverywhere_data(); }

    void garbled()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, binary);
        const QByteArray xml = readFile(QStringLiteral(":/bundle/") + fileName + QStringLiteral(".plist"));
        const QByteArray whole = binary ? toBinary(xml) : xml;
        QRandomGenerator random(binary ? 20240501 : 19700101);
        for (int round = 0; round < 400; ++round) {
            loadDamaged(fileName + QStringLiteral(".plist"), garble(whole, random));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void garbledInMemory()
    {
        const QByteArray xml = readFile(QStringLiteral(":/bundle/Unit_Info.plist"));
        const QByteArray binary = toBinary(xml);
        QRandomGenerator random(42);
        int parsed = 0;
        for (int round = 0; round < 5000; ++round) {
            const std::optional<QVariantMap> dictionary
                = PropertyListFile::parseDictionary(garble(round % 2 ? binary : xml, random));
            parsed += dictionary ? 1 : 0;
        }
        // Some damage (a changed letter in a label) still leaves a readable list.
        QVERIFY(parsed > 0);
        QVERIFY(parsed < 5000);
    }
};

QTEST_GUILESS_MAIN(TestReferenceListFile)
#include "tst_referencelistfile.moc"
