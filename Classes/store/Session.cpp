#include "store/Session.h"

#include "platform/DeviceLocale.h"
#include "platform/DocumentsDirectory.h"
#include "store/Utility.h"

#include <QDir>

namespace {

// The one pointer the class operations go through; sessions set and restore it as they open
// and end, innermost last.
Session* innermost = nullptr;

} // namespace

Session::Session(const QString& dataDirectory)
    : m_enclosing(innermost)
    , m_dataDirectory(QDir::cleanPath(
          QDir(dataDirectory.isEmpty() ? DocumentsDirectory::defaultPath() : dataDirectory).absolutePath()))
{
    innermost = this;
}

Session::~Session()
{
    // Sessions end innermost first; one that ends early all the same leaves the chain.
    Session** link = &innermost;
    while (*link && *link != this)
        link = &(*link)->m_enclosing;
    if (*link)
        *link = m_enclosing;
}

Session& Session::current()
{
    if (!innermost)
        qFatal("Session::current: no session is open (main() and every test open one)");
    return *innermost;
}

CarManage& Session::carManage()
{
    const std::lock_guard<std::mutex> lock(m_carManageCreation);
    if (!m_carManage)
        m_carManage.reset(new CarManage());
    return *m_carManage;
}

QString Session::currencySymbol()
{
    if (!m_currencySymbol)
        m_currencySymbol = Utility::currencySymbolForLocale(DeviceLocale::localeName());
    return *m_currencySymbol;
}
