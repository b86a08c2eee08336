#include "widgets/AppWindow.h"

#include "widgets/SlideAnimation.h"
#include "widgets/ViewController.h"

#include <QApplication>

AppWindow::AppWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Pumpora"));
    resize(kDefaultSize);
    setMinimumSize(300, 480);
}

AppWindow::~AppWindow()
{
    // Screens go top first, so that no presented screen outlives what it covers.
    for (qsizetype i = m_presented.size() - 1; i >= 0; --i)
        delete m_presented.at(i).data();
}

void AppWindow::setRootViewController(ViewController* controller)
{
    if (controller == m_root)
        return;
    const bool onScreen = isVisible() && m_presented.isEmpty();
    if (m_root) {
        if (onScreen) {
            m_root->beginAppearanceTransition(false);
            m_root->endAppearanceTransition();
        }
        m_root->deleteLater();
    }
    m_root = controller;
    if (!controller)
        return;
    controller->setParent(this);
    controller->setGeometry(rect());
    controller->lower();
    controller->loadViewIfNeeded();
    controller->show();
    if (onScreen) {
        controller->beginAppearanceTransition(true);
        controller->endAppearanceTransition();
    }
}

ViewController* AppWindow::visibleViewController() const
{
    for (qsizetype i = m_presented.size() - 1; i >= 0; --i) {
        if (m_presented.at(i))
            return m_presented.at(i);
    }
    return m_root;
}

void AppWindow::makeKeyAndVisible()
{
    show();
    activateWindow();
    if (ViewController* visible = visibleViewController()) {
        visible->beginAppearanceTransition(true);
        visible->endAppearanceTransition();
    }
}

AppWindow* AppWindow::mainWindow()
{
    if (auto* active = qobject_cast<AppWindow*>(QApplication::activeWindow()))
        return active;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* appWindow = qobject_cast<AppWindow*>(window);
        if (appWindow && appWindow->isVisible())
            return appWindow;
    }
    return nullptr;
}

void AppWindow::addOverlay(QWidget* overlay)
{
    overlay->setParent(this);
    overlay->setGeometry(rect());
    m_overlays.append(overlay);
    overlay->show();
    raiseOverlays();
}

void AppWindow::presentViewController(ViewController* controller, bool animated)
{
    ViewController* covered = visibleViewController();
    m_presented.append(controller);
    controller->setParent(this);
    controller->setGeometry(rect());
    const bool onScreen = isVisible();
    if (onScreen) {
        if (covered)
            covered->beginAppearanceTransition(false);
        controller->beginAppearanceTransition(true);
    }
    controller->loadViewIfNeeded();
    controller->show();
    controller->raise();
    raiseOverlays();
    QPointer<ViewController> hidden(covered);
    auto hideCovered = [hidden] {
        if (hidden && !hidden->isAppearing())
            hidden->hide();
    };
    if (animated && onScreen)
        SlideAnimation::slide(controller, QPoint(0, height()), QPoint(0, 0), hideCovered);
    else
        hideCovered();
    if (onScreen) {
        if (covered)
            covered->endAppearanceTransition();
        controller->endAppearanceTransition();
    }
}

void AppWindow::dismissViewController(ViewController* controller, bool animated)
{
    const qsizetype index = m_presented.indexOf(controller);
    if (index < 0)
        return;
    // What the dismissed screen presented goes with it.
    const QList<QPointer<ViewController>> leaving = m_presented.mid(index);
    m_presented.remove(index, leaving.size());
    ViewController* uncovered = visibleViewController();
    const bool onScreen = isVisible();
    ViewController* top = leaving.last();
    if (onScreen) {
        if (top)
            top->beginAppearanceTransition(false);
        if (uncovered) {
            uncovered->setGeometry(rect());
            uncovered->show();
            uncovered->beginAppearanceTransition(true);
        }
    } else if (uncovered) {
        uncovered->show();
    }
    for (const QPointer<ViewController>& gone : leaving) {
        if (gone && gone != top)
            gone->deleteLater();
    }
    if (top) {
        top->raise();
        raiseOverlays();
        if (animated && onScreen)
            SlideAnimation::slide(top, top->pos(), QPoint(0, height()));
        SlideAnimation::whenFinished(top, [top] { top->deleteLater(); });
    }
    if (onScreen) {
        if (top)
            top->endAppearanceTransition();
        if (uncovered)
            uncovered->endAppearanceTransition();
    }
}

void AppWindow::raiseOverlays()
{
    m_overlays.removeAll(nullptr);
    for (const QPointer<QWidget>& overlay : std::as_const(m_overlays))
        overlay->raise();
}

void AppWindow::resizeEvent(QResizeEvent*)
{
    if (m_root)
        m_root->setGeometry(rect());
    for (const QPointer<ViewController>& presented : std::as_const(m_presented)) {
        if (presented) {
            SlideAnimation::finish(presented);
            presented->setGeometry(rect());
        }
    }
    m_overlays.removeAll(nullptr);
    for (const QPointer<QWidget>& overlay : std::as_const(m_overlays))
        overlay->setGeometry(rect());
}
