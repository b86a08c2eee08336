#include "widgets/ViewController.h"

#include "widgets/AppWindow.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/TabBarController.h"

#include <QLoggingCategory>

namespace {

// A screen used against the navigation's rules: a mistake in the app, not the user's.
Q_LOGGING_CATEGORY(lcNavigation, "pumpora.navigation")

template <typename Container>
Container* nearestAbove(const QWidget* widget)
{
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* container = qobject_cast<Container*>(parent))
            return container;
    }
    return nullptr;
}

} // namespace

ViewController::ViewController(QWidget* parent)
    : QWidget(parent)
    , m_navigationItem(new NavigationItem(this))
{
    // Every screen is an opaque page in the window's background colour.
    setAutoFillBackground(true);
}

ViewController::~ViewController()
{
    // A screen that goes while presenting takes what it presented with it.
    delete m_presented.data();
}

QString ViewController::title() const
{
    return m_navigationItem->title();
}

void ViewController::setTitle(const QString& title)
{
    m_navigationItem->setTitle(title);
}

void ViewController::setTabBarItem(const QString& title, const QImage& image)
{
    m_tabBarTitle = title;
    m_tabBarImage = image;
}

NavigationController* ViewController::navigationController() const
{
    return nearestAbove<NavigationController>(this);
}

TabBarController* ViewController::tabBarController() const
{
    return nearestAbove<TabBarController>(this);
}

void ViewController::presentModalViewController(ViewController* controller, bool animated)
{
    AppWindow* window = qobject_cast<AppWindow*>(this->window());
    if (!controller || m_presented || !window) {
        qCWarning(lcNavigation,
            "presentModalViewController: the screen is not in the app window or already presents one");
        delete controller;
        return;
    }
    m_presented = controller;
    controller->m_presenting = this;
    window->presentViewController(controller, animated);
}

void ViewController::dismissModalViewControllerAnimated(bool animated)
{
    if (!m_presented) {
        // A screen inside a container (the first step in a presented navigation controller)
        // asks its container, which asks its presenter.
        if (m_presenting)
            m_presenting->dismissModalViewControllerAnimated(animated);
        else if (ViewController* container = nearestAbove<ViewController>(this))
            container->dismissModalViewControllerAnimated(animated);
        return;
    }
    ViewController* presented = m_presented;
    m_presented = nullptr;
    if (auto* window = qobject_cast<AppWindow*>(presented->window()))
        window->dismissViewController(presented, animated);
    else
        presented->deleteLater();
}

void ViewController::loadViewIfNeeded()
{
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
}

bool ViewController::isAppearing() const
{
    return m_appearance == Appearance::Appearing || m_appearance == Appearance::Appeared;
}

void ViewController::beginAppearanceTransition(bool appearing)
{
    if (appearing == isAppearing())
        return;
    if (appearing) {
        loadViewIfNeeded();
        m_appearance = Appearance::Appearing;
        viewWillAppear();
    } else {
        m_appearance = Appearance::Disappearing;
        viewWillDisappear();
    }
    for (ViewController* child : visibleChildViewControllers())
        child->beginAppearanceTransition(appearing);
}

void ViewController::endAppearanceTransition()
{
    if (m_appearance == Appearance::Appearing) {
        m_appearance = Appearance::Appeared;
        viewDidAppear();
    } else if (m_appearance == Appearance::Disappearing) {
        m_appearance = Appearance::Disappeared;
        viewDidDisappear();
    } else {
        return;
    }
    for (ViewController* child : visibleChildViewControllers())
        child->endAppearanceTransition();
}
