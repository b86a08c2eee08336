#include "platform/DeviceLocale.h"
#include "platform/DocumentsDirectory.h"
#include "store/OilInfo.h"
#include "store/PropertyListFile.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

class TestOilInfo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    QString copyPath() const { return m_data->filePath(QStringLiteral("OilSpec_Info.plist")); }

    static QString grade(int id, const QString& name, const QString& price)
    {
        return QStringLiteral("<dict><key>id</key><integer>%1</integer><key>name</key><string>%2</string>"
                              "<key>price</key><real>%3</real></dict>")
            .arg(id)
            .arg(name, price);
    }

    static QByteArray gradeDocument(const QString& elements)
    {
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                              "<key>OilSpec</key><array>%1</array></dict></plist>\n")
            .arg(elements)
            .toUtf8();
    }

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

    // A fresh run's view of the list: what the next start of the app would load.
    static void startAgain() { OilInfo::resetForTesting(); }

    static QStringList describe(const OilInfo::List& grades)
    {
        QStringList lines;
        for (const auto& grade : grades)
            lines << QStringLiteral("%1 %2 %3")
                         .arg(grade->dNumber)
                         .arg(grade->specName)
                         .arg(grade->defaultPrice);
        return lines;
    }

private Q_SLOTS:
    void initTestCase() { DeviceLocale::setLocaleName(QStringLiteral("en_US")); }
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void firstUseCopiesTheSeedWritable()
    {
        QVERIFY(!QFile::exists(copyPath()));
        const OilInfo::List& grades = OilInfo::OilInfoDList();
        // Root can write to a read-only file, so look at the bits rather than try a write.
        QVERIFY(QFile::permissions(copyPath()) & QFile::WriteOwner);
        QCOMPARE(readFile(copyPath()), readFile(QStringLiteral(":/bundle/OilSpec_Info.plist")));
        QVERIFY2(OilInfo::listProblem().isEmpty(), qPrintable(OilInfo::listProblem()));
        // Records map a stored number back by position, so the seed must number by position.
        QVERIFY(grades.size() >= 3);
        for (size_t position = 0; position < grades.size(); ++position)
            QCOMPARE(grades[position]->dNumber, unsigned(position));
    }

    // Cars hold pointers into the list, so it must not be rebuilt while the app runs.
    void listIsLoadedOncePerRun()
    {
        OilInfo* first = OilInfo::infoAtPosition(0);
        QVERIFY(first);
        QFile::remove(copyPath());
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

        startAgain();
        QCOMPARE(describe(OilInfo::OilInfoDList()), edited);
        QVERIFY(OilInfo::listProblem().isEmpty());

        // The file is a plain grade list any property-list reader takes.
        const std::optional<QVariantMap> onDisk = PropertyListFile::readDictionary(copyPath());
        QVERIFY(onDisk);
        const QVariantMap third = onDisk->value(QStringLiteral("OilSpec")).toList().value(2).toMap();
        QCOMPARE(third.value(QStringLiteral("id")).toLongLong(), 2);
        QCOMPARE(third.value(QStringLiteral("price")).toDouble(), 2.19);
    }

    void malformedGradeIsLeftOut_data()
    {
        QTest::addColumn<QString>("element");
        QTest::newRow("no id") << QStringLiteral(
            "<dict><key>name</key><string>X</string><key>price</key><real>1</real></dict>");
        QTest::newRow("negative id") << grade(-1, QStringLiteral("X"), QStringLiteral("1"));
        QTest::newRow("price as text")
            << QStringLiteral("<dict><key>id</key><integer>1</integer><key>name</key>"
                              "<string>X</string><key>price</key><string>1.5</string>"
                              "</dict>");
        QTest::newRow("price beyond a float") << grade(1, QStringLiteral("X"), QStringLiteral("1e300"));
        QTest::newRow("not a dictionary") << QStringLiteral("<string>Diesel</string>");
    }

    void malformedGradeIsLeftOut()
    {
        QFETCH(QString, element);
        writeFile(copyPath(),
            gradeDocument(grade(0, QStringLiteral("A"), QStringLiteral("1.5")) + element
                + grade(2, QStringLiteral("C"), QStringLiteral("3.5"))));
        QCOMPARE(describe(OilInfo::OilInfoDList()),
            QStringList({ QStringLiteral("0 A 1.5"), QStringLiteral("2 C 3.5") }));
        QVERIFY(OilInfo::listProblem().contains(QLatin1String("grade 1")));
    }

    void unusableCopyGivesAnEmptyList_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not a property list") << QByteArray("id,name,price\n0,Diesel,1.65\n");
        QTest::newRow("array at the root")
            << QByteArray("<plist version=\"1.0\"><array><string>A</string></array></plist>");
        QTest::newRow("grades not an array") << QByteArray(
            "<plist version=\"1.0\"><dict><key>OilSpec</key><string>Diesel</string></dict></plist>");
    }

    void unusableCopyGivesAnEmptyList()
    {
        QFETCH(QByteArray, contents);
        writeFile(copyPath(), contents);
        QVERIFY(OilInfo::OilInfoDList().empty());
        QVERIFY(!OilInfo::infoAtPosition(0));
        QVERIFY(!OilInfo::infoAtPosition(-1));
        QVERIFY(OilInfo::listProblem().contains(copyPath()));
        QCOMPARE(readFile(copyPath()), contents);
    }

    void seedThatCannotBeCopiedGivesAnEmptyList()
    {
        writeFile(m_data->filePath(QStringLiteral("plain-file")), "x");
        DocumentsDirectory::setPath(m_data->filePath(QStringLiteral("plain-file/documents")));
        QVERIFY(OilInfo::OilInfoDList().empty());
        QVERIFY(!OilInfo::infoAtPosition(0));
        QVERIFY(OilInfo::listProblem().contains(QLatin1String("could not be copied")));
        QVERIFY(!OilInfo::updateOilInfoDList());
    }

    void failedWriteLeavesTheFileAndKeepsTheEdit()
    {
        OilInfo::List& grades = OilInfo::OilInfoDList();
        QVERIFY(!grades.empty());
        // A directory in the file's place cannot be replaced by a rename.
        QVERIFY(QFile::remove(copyPath()));
        QVERIFY(QDir().mkpath(copyPath() + QStringLiteral("/inside")));

        grades[0]->defaultPrice = 9.99f;
        QVERIFY(!grades[0]->update());
        QVERIFY(QFileInfo(copyPath() + QStringLiteral("/inside")).isDir());
        QCOMPARE(OilInfo::infoAtPosition(0)->defaultPrice, 9.99f);
        QVERIFY(OilInfo::listProblem().contains(copyPath()));
    }

    void copyReadInPartIsKeptBeforeItIsReplaced()
    {
        const QByteArray damaged = gradeDocument(grade(0, QStringLiteral("A"), QStringLiteral("1.5"))
            + QStringLiteral("<dict><key>id</key><integer>1</integer></dict>")
            + grade(2, QStringLiteral("C"), QStringLiteral("3.5")));
        writeFile(copyPath(), damaged);
        const QString kept = copyPath() + QStringLiteral(".damaged");
        // Nothing can be kept while a directory is in the way: the file must stay as it was.
        QVERIFY(QDir().mkpath(kept + QStringLiteral("/inside")));

        OilInfo::infoAtPosition(0)->defaultPrice = 1.6f;
        QVERIFY(!OilInfo::updateOilInfoDList());
        QCOMPARE(readFile(copyPath()), damaged);

        QVERIFY(QDir(kept).removeRecursively());
        QVERIFY(OilInfo::updateOilInfoDList());
        QCOMPARE(readFile(kept), damaged);
        startAgain();
        QCOMPARE(describe(OilInfo::OilInfoDList()),
            QStringList({ QStringLiteral("0 A 1.6"), QStringLiteral("2 C 3.5") }));
    }
};

QTEST_GUILESS_MAIN(TestOilInfo)
#include "tst_oilinfo.moc"
