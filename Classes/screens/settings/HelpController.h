#pragma once

#include "screens/base/BaseModalViewController.h"

#include <memory>

class QTextBrowser;
class QUrl;
class UrlHandler;

// The help page, written for this app in Chinese and in English and carried in its resources,
// so that it shows without a network. Its links to the web site go to the desktop's browser.
// Back asks the presenting screen to dismiss it.
class HelpController : public BaseModalViewController
{
    Q_OBJECT

public:
    static constexpr int kPageWidth = 720;

    static HelpController* newViewController(std::shared_ptr<UrlHandler> urlHandler);

    QTextBrowser* webView() const { return m_webView; }
    // Back: asks the dismissal delegate to close the page.
    void cancel();

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;

private:
    explicit HelpController(std::shared_ptr<UrlHandler> urlHandler);
    void setUITitle();
    // Loads the page of the user's language; the name keeps that of the preview it stands in for.
    void loadPDF();
    void openLink(const QUrl& url);

    std::shared_ptr<UrlHandler> m_urlHandler;
    QTextBrowser* m_webView = nullptr;
};
