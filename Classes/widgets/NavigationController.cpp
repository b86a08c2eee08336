#include "widgets/NavigationController.h"

#include "widgets/NavigationBar.h"
#include "widgets/NavigationItem.h"
#include "widgets/SlideAnimation.h"

NavigationController::NavigationController(ViewController* rootViewController, QWidget* parent)
    : ViewController(parent)
    , m_bar(new NavigationBar(this))
{
    connect(m_bar, &NavigationBar::backRequested, this, [this] { popViewControllerAnimated(true); });
    if (rootViewController)
        setViewControllers({ rootViewController }, false);
}

ViewController* NavigationController::topViewController() const
{
    return m_stack.isEmpty() ? nullptr : m_stack.last();
}

void NavigationController::setViewControllers(const QList<ViewController*>& controllers, bool animated)
{
    ViewController* from = topViewController();
    const QList<ViewController*> old = m_stack;
    m_stack = controllers;
    for (ViewController* controller : m_stack) {
        if (controller->parentWidget() != this) {
            controller->hide();
            controller->setParent(this);
        }
    }
    for (ViewController* controller : old) {
        if (!m_stack.contains(controller) && controller != from)
            discard(controller);
    }
    ViewController* to = topViewController();
    if (from == to) {
        updateBar();
        return;
    }
    switchTop(from, to, Direction::Forward, animated);
    if (from && !m_stack.contains(from))
        discard(from);
}

void NavigationController::pushViewController(ViewController* controller, bool animated)
{
    if (!controller || m_stack.contains(controller))
        return;
    ViewController* from = topViewController();
    controller->hide();
    controller->setParent(this);
    m_stack.append(controller);
    switchTop(from, controller, Direction::Forward, animated);
}

ViewController* NavigationController::popViewControllerAnimated(bool animated)
{
    if (m_stack.size() < 2)
        return nullptr;
    ViewController* popped = m_stack.takeLast();
    switchTop(popped, topViewController(), Direction::Back, animated);
    discard(popped);
    return popped;
}

QList<ViewController*> NavigationController::visibleChildViewControllers() const
{
    if (ViewController* top = topViewController())
        return { top };
    return {};
}

void NavigationController::switchTop(
    ViewController* from, ViewController* to, Direction direction, bool animated)
{
    const bool onScreen = isAppearing();
    if (onScreen) {
        if (from)
            from->beginAppearanceTransition(false);
        if (to)
            to->beginAppearanceTransition(true);
    }
    updateBar();
    const QRect content = contentRect();
    if (to) {
        to->loadViewIfNeeded();
        to->setGeometry(content);
        to->show();
    }
    QPointer<ViewController> leaving(from);
    auto hideLeaving = [leaving] {
        if (leaving && leaving->parentWidget() && !leaving->isAppearing())
            leaving->hide();
    };
    if (animated && onScreen && isVisible() && from && to) {
        const QPoint offRight = content.topLeft() + QPoint(content.width(), 0);
        if (direction == Direction::Forward) {
            to->raise();
            SlideAnimation::slide(to, offRight, content.topLeft(), hideLeaving);
        } else {
            from->raise();
            SlideAnimation::slide(from, content.topLeft(), offRight, hideLeaving);
        }
    } else {
        hideLeaving();
    }
    if (onScreen) {
        if (from)
            from->endAppearanceTransition();
        if (to)
            to->endAppearanceTransition();
    }
}

void NavigationController::discard(ViewController* controller)
{
    // Off the stack at once; deleted when its slide (if any) is over.
    SlideAnimation::whenFinished(controller, [controller] { controller->deleteLater(); });
}

QRect NavigationController::contentRect() const
{
    return QRect(0, NavigationBar::kHeight, width(), qMax(0, height() - NavigationBar::kHeight));
}

void NavigationController::updateBar()
{
    ViewController* top = topViewController();
    m_bar->setItem(top ? top->navigationItem() : nullptr, m_stack.size() > 1);
}

void NavigationController::resizeEvent(QResizeEvent*)
{
    m_bar->setGeometry(0, 0, width(), NavigationBar::kHeight);
    const QRect content = contentRect();
    for (ViewController* controller : m_stack) {
        SlideAnimation::finish(controller);
        controller->setGeometry(content);
    }
}
