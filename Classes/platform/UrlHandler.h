#pragma once

#include <QUrl>

// Opens a web address with the program the desktop gives that kind of address to (the browser
// for a web page). The screens reach the desktop through this, so that a test can stand in for
// it and never starts a browser.
class UrlHandler
{
public:
    virtual ~UrlHandler() = default;

    // False when the desktop has no program for the address or could not hand it over.
    virtual bool openURL(const QUrl& url) = 0;
};
