#include "screens/settings/HelpController.h"

#include "platform/MainBundle.h"
#include "platform/UrlHandler.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationItem.h"

#include <QAction>
#include <QHBoxLayout>
#include <QTextBrowser>

HelpController* HelpController::newViewController(std::shared_ptr<UrlHandler> urlHandler)
{
    return new HelpController(std::move(urlHandler));
}

HelpController::HelpController(std::shared_ptr<UrlHandler> urlHandler)
    : m_urlHandler(std::move(urlHandler))
{ }

void HelpController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    m_webView = new QTextBrowser(this);
    m_webView->setFrameShape(QFrame::NoFrame);
    m_webView->document()->setDocumentMargin(14);
    m_webView->setOpenLinks(false);
    // Lines of a readable length: the page takes nearly all the width until it is as wide as it
    // may be, and the margins share what is left.
    m_webView->setMaximumWidth(kPageWidth);
    connect(m_webView, &QTextBrowser::anchorClicked, this, &HelpController::openLink);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(m_webView, 1000);
    layout->addStretch(1);
    setUITitle();
    loadPDF();
}

// The page takes the keyboard: the arrow keys scroll it and Tab moves from link to link.
void HelpController::viewDidAppear()
{
    BaseModalViewController::viewDidAppear();
    m_webView->setFocus(Qt::OtherFocusReason);
}

void HelpController::setUITitle()
{
    auto* back = new QAction(MainBundle::localizedString("返回"), this);
    connect(back, &QAction::triggered, this, &HelpController::cancel);
    navigationItem()->setLeftBarButtonItem(back);
    setTitle(MainBundle::localizedString("Help"));
    m_webView->setAccessibleName(title());
}

// The page's name is a key of the string table, so the page follows the language of the rest.
void HelpController::loadPDF()
{
    m_webView->setSource(
        QUrl(QStringLiteral("qrc:/bundle/") + MainBundle::localizedString("help_zh_CN.html")));
}

void HelpController::openLink(const QUrl& url)
{
    if (url.scheme() == QLatin1String("qrc")) {
        m_webView->setSource(url);
        return;
    }
    if (!m_urlHandler->openURL(url))
        AlertView::showError(MainBundle::localizedString("无法打开 %1").arg(url.toDisplayString()));
}

void HelpController::cancel()
{
    requestDismissModalViewAnimated();
}
