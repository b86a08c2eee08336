#include "support/TestDataDirectory.h"

#include "platform/Clock.h"
#include "platform/DocumentsDirectory.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Unit.h"

#include <QtTest>

TestDataDirectory::TestDataDirectory()
{
    QVERIFY2(m_directory.isValid(), "cannot create a temporary data directory");
    DocumentsDirectory::setPath(m_directory.path());
    Clock::setFixedNow(std::nullopt);
    CarManage::resetForTesting();
    OilInfo::resetForTesting();
    Unit::resetForTesting();
}

TestDataDirectory::~TestDataDirectory()
{
    CarManage::resetForTesting();
    Clock::setFixedNow(std::nullopt);
    DocumentsDirectory::setPath(QString());
}
