#include "platform/DesktopUrlHandler.h"

#include <QDesktopServices>

bool DesktopUrlHandler::openURL(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
