#include "widgets/TabBarController.h"

#include "widgets/TabBar.h"

TabBarController::TabBarController(QWidget* parent)
    : ViewController(parent)
    , m_tabBar(new TabBar(this))
{
    connect(m_tabBar, &TabBar::tabSelected, this, &TabBarController::setSelectedIndex);
}

void TabBarController::setViewControllers(const QList<ViewController*>& controllers)
{
    ViewController* shown = selectedViewController();
    if (shown && isAppearing()) {
        shown->beginAppearanceTransition(false);
        shown->endAppearanceTransition();
    }
    // Screens kept in the new list stay; only those that leave it go.
    for (ViewController* old : std::as_const(m_tabs)) {
        if (!controllers.contains(old))
            delete old;
    }
    m_tabs = controllers;
    QList<QPair<QString, QImage>> items;
    for (ViewController* controller : m_tabs) {
        controller->hide();
        controller->setParent(this);
        items.append({ controller->tabBarTitle(), controller->tabBarImage() });
    }
    m_tabBar->setItems(items);
    m_selected = -1;
    setSelectedIndex(0);
}

void TabBarController::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_tabs.size() || index == m_selected)
        return;
    ViewController* from = selectedViewController();
    ViewController* to = m_tabs.at(index);
    m_selected = index;
    m_tabBar->setSelectedIndex(index);
    const bool onScreen = isAppearing();
    if (onScreen) {
        if (from)
            from->beginAppearanceTransition(false);
        to->beginAppearanceTransition(true);
    }
    to->loadViewIfNeeded();
    to->setGeometry(contentRect());
    to->show();
    if (from)
        from->hide();
    if (onScreen) {
        if (from)
            from->endAppearanceTransition();
        to->endAppearanceTransition();
    }
}

ViewController* TabBarController::selectedViewController() const
{
    return m_selected >= 0 && m_selected < m_tabs.size() ? m_tabs.at(m_selected) : nullptr;
}

QList<ViewController*> TabBarController::visibleChildViewControllers() const
{
    if (ViewController* selected = selectedViewController())
        return { selected };
    return {};
}

QRect TabBarController::contentRect() const
{
    return QRect(0, 0, width(), qMax(0, height() - TabBar::kHeight));
}

void TabBarController::resizeEvent(QResizeEvent*)
{
    m_tabBar->setGeometry(0, height() - TabBar::kHeight, width(), TabBar::kHeight);
    if (ViewController* selected = selectedViewController())
        selected->setGeometry(contentRect());
}
