#include "store/OilInfo.h"
#include "store/Unit.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <plist/plist.h>

// The grade and unit readers against damaged copies, cut short or garbled, in both property-list
// formats. Whatever comes in, nothing may crash, and a list is either empty or a list of
// well-formed entries that every position lookup can use.
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

    // Overwrites, inserts or removes a few bytes, or adds a plausible-looking fault for the XML parser.
    static QByteArray garble(const QByteArray& original, QRandomGenerator& random)
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

    template <typename Entry>
    static size_t checkUsable(const std::vector<std::unique_ptr<Entry>>& list, Entry* (*atPosition)(qint64))
    {
        for (qint64 position = -1; position <= qint64(list.size()); ++position) {
            const bool inside = position >= 0 && position < qint64(list.size());
            Entry* expected = list.empty() ? nullptr : list.at(inside ? size_t(position) : 0).get();
            if (atPosition(position) != expected)
                QTest::qFail("a position lookup does not give its entry", __FILE__, __LINE__);
        }
        return list.size();
    }

    // Loads the damaged copy as a fresh run would; the number of entries it gave.
    size_t loadDamaged(const QString& fileName, const QByteArray& bytes)
    {
        writeFile(m_data->filePath(fileName + QStringLiteral(".plist")), bytes);
        OilInfo::resetForTesting();
        Unit::resetForTesting();
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

    void damagedCopies_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("binary");
        QTest::newRow("grades, XML") << QStringLiteral("OilSpec_Info") << false;
        QTest::newRow("grades, binary") << QStringLiteral("OilSpec_Info") << true;
        QTest::newRow("units, XML") << QStringLiteral("Unit_Info") << false;
        QTest::newRow("units, binary") << QStringLiteral("Unit_Info") << true;
    }

    void damagedCopies()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, binary);
        const QByteArray xml = readFile(QStringLiteral(":/bundle/") + fileName + QStringLiteral(".plist"));
        const QByteArray whole = binary ? toBinary(xml) : xml;
        QVERIFY(!whole.isEmpty());
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
        QRandomGenerator random(binary ? 20240501 : 19700101);
        for (int round = 0; round < 40 && !QTest::currentTestFailed(); ++round)
            loadDamaged(fileName, garble(whole, random));
    }
};

QTEST_GUILESS_MAIN(TestReferenceListFile)
#include "tst_referencelistfile.moc"
