#pragma once

#include "platform/UrlHandler.h"

// The desktop's own handlers, through QDesktopServices (xdg-open on a freedesktop.org desktop).
class DesktopUrlHandler : public UrlHandler
{
public:
    bool openURL(const QUrl& url) override;
};
