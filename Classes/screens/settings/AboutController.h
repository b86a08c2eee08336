#pragma once

#include "screens/base/BaseModalViewController.h"
#include "screens/base/BaseModalViewControllerDelegate.h"

#include <memory>

class MailComposer;
class UrlHandler;

// About the app: its name and version, the support mail, the rating page and the web site, and
// the help page behind the bar's Help button. The mail goes to the desktop's mail program, the
// addresses to its browser; a hand-off that fails says so.
class AboutController : public BaseModalViewController, public BaseModalViewControllerDelegate
{
    Q_OBJECT

public:
    static constexpr const char* kSupportAddress = "support@pumpora.example";
    static constexpr const char* kSupportSubject = "Fillory Support";
    static constexpr const char* kWebSite = "https://www.pumpora.example/";
    static constexpr const char* kRatePage = "https://www.pumpora.example/pumpora/rate.html";

    AboutController(std::shared_ptr<MailComposer> composer, std::shared_ptr<UrlHandler> urlHandler,
        QWidget* parent = nullptr);
    ~AboutController() override;

    // The help page, presented over everything; it asks this screen to dismiss it.
    void gotoNetHelp();
    // A mail to the support address in the mail program, or the reason there is none.
    void onSupport();
    void onRate();
    void gotoNet();
    void gotoWebSite(const QString& address);

    void willDissModalViewController(ViewController* controller) override;

protected:
    void viewDidLoad() override;

private:
    std::shared_ptr<MailComposer> m_composer;
    std::shared_ptr<UrlHandler> m_urlHandler;
};
