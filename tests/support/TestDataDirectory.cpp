#include "support/TestDataDirectory.h"

#include "platform/Clock.h"
#include "platform/DeviceLocale.h"

#include <QtTest>

constexpr char kDefaultDirectory[] = "PUMPORA_DATA_DIR";

TestDataDirectory::TestDataDirectory(const QString& locale, const QString& timeZone)
    : m_previousDefault(qgetenv(kDefaultDirectory))
{
    QVERIFY2(m_directory.isValid(), "cannot create a temporary data directory");
    DeviceLocale::setLocaleName(locale);
    DeviceLocale::setTimeZoneId(timeZone);
    Clock::setFixedNow(std::nullopt);
    qputenv(kDefaultDirectory, m_directory.path().toUtf8());
    m_session = std::make_unique<Session>(m_directory.path());
}

TestDataDirectory::~TestDataDirectory()
{
    m_session.reset();
    Clock::setFixedNow(std::nullopt);
    qputenv(kDefaultDirectory, m_previousDefault);
}

QByteArray TestDataDirectory::readFile(const QString& fileName) const
{
    QFile file(QDir(path()).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool TestDataDirectory::writeFile(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(QDir(path()).filePath(fileName));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void TestDataDirectory::restart()
{
    m_session.reset();
    m_session = std::make_unique<Session>(m_directory.path());
}
