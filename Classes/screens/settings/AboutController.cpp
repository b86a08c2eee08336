#include "screens/settings/AboutController.h"

#include "platform/MailComposer.h"
#include "platform/MainBundle.h"
#include "platform/UrlHandler.h"
#include "screens/settings/HelpController.h"
#include "screens/settings/SettingCell.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/Palette.h"
#include "widgets/TableView.h"

#include <QAction>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* centredLabel(const QString& text, const QFont& font)
{
    auto* label = new QLabel(text);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutController::AboutController(
    std::shared_ptr<MailComposer> composer, std::shared_ptr<UrlHandler> urlHandler, QWidget* parent)
    : BaseModalViewController(parent)
    , m_composer(std::move(composer))
    , m_urlHandler(std::move(urlHandler))
{ }

AboutController::~AboutController() = default;

void AboutController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("关于"));
    auto* help = new QAction(MainBundle::localizedString("Help"), this);
    connect(help, &QAction::triggered, this, &AboutController::gotoNetHelp);
    navigationItem()->setRightBarButtonItem(help);

    auto* header = new QWidget;
    auto* lines = new QVBoxLayout(header);
    lines->setContentsMargins(0, 18, 0, 6);
    auto* icon = new QLabel;
    icon->setPixmap(MainBundle::applicationIcon().pixmap(72, 72));
    icon->setAlignment(Qt::AlignCenter);
    lines->addWidget(icon);
    // The name with the version, as the desktop's about boxes show them.
    lines->addWidget(
        centredLabel(QStringLiteral("Pumpora " PUMPORA_VERSION), Palette::font(Palette::Font::BarTitle)));

    const auto row = [this](const char* label, const QString& detail, void (AboutController::*action)()) {
        auto* cell = new SettingCell;
        cell->setTexts(MainBundle::localizedString(label), detail);
        connect(cell, &SettingCell::clicked, this, action);
        return cell;
    };
    auto* list = new TableView(10, this);
    list->addSection({ header }, false);
    list->addSection({ row("联系支持", QLatin1String(kSupportAddress), &AboutController::onSupport),
        row("给 Pumpora 评分", QString(), &AboutController::onRate),
        row("访问网站", QUrl(QLatin1String(kWebSite)).host(), &AboutController::gotoNet) });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
}

void AboutController::gotoNetHelp()
{
    HelpController* help = HelpController::newViewController(m_urlHandler);
    help->setDissDelegate(this);
    presentModalViewController(new NavigationController(help), true);
}

void AboutController::willDissModalViewController(ViewController*)
{
    dismissModalViewControllerAnimated(true);
}

// Only a hand-off that failed is reported: what the user does in the mail program is theirs.
void AboutController::onSupport()
{
    m_composer->canSendMail(this, [this](bool canSend) {
        if (!canSend) {
            AlertView::showOKWithTitle(
                MainBundle::localizedString("Error"), MainBundle::localizedString("不能发送Email"));
            return;
        }
        MailComposer::Message message;
        message.subject = QLatin1String(kSupportSubject);
        message.toRecipients = QStringList { QLatin1String(kSupportAddress) };
        m_composer->compose(message, this, [](MailComposer::Result result, const QString& error) {
            if (result == MailComposer::Result::Failed)
                AlertView::showError(
                    MainBundle::localizedString("支持邮件没有交给邮件程序。\n%1").arg(error));
        });
    });
}

void AboutController::onRate()
{
    gotoWebSite(QLatin1String(kRatePage));
}

void AboutController::gotoNet()
{
    gotoWebSite(QLatin1String(kWebSite));
}

void AboutController::gotoWebSite(const QString& address)
{
    // A tolerant parse escapes what an address may not hold as it stands, in UTF-8.
    const QUrl url(address, QUrl::TolerantMode);
    if (!m_urlHandler->openURL(url))
        AlertView::showError(MainBundle::localizedString("无法打开 %1").arg(url.toDisplayString()));
}
