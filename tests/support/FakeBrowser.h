#pragma once

#include "platform/UrlHandler.h"

#include <QStringList>
#include <QUrl>

// Takes the addresses a screen hands to the desktop; no browser starts. `installed` false plays
// a desktop that cannot open them.
class FakeBrowser : public UrlHandler
{
public:
    bool installed = true;
    QStringList opened;

    bool openURL(const QUrl& url) override
    {
        opened << url.toString();
        return installed;
    }
};
