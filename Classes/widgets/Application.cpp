#include "widgets/Application.h"

#include "widgets/ApplicationDelegate.h"
#include "widgets/Palette.h"

#include <QApplication>

namespace {

Application* theApplication = nullptr;

} // namespace

Application::Application(std::unique_ptr<ApplicationDelegate> delegate)
    : m_delegate(std::move(delegate))
{
    Q_ASSERT(!theApplication);
    theApplication = this;
    if (auto* gui = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        Palette::applyTo(gui);
        connect(gui, &QGuiApplication::applicationStateChanged, this, &Application::applicationStateChanged);
    }
}

Application::~Application()
{
    if (m_delegate)
        m_delegate->applicationWillTerminate();
    // The delegate goes while the application object is still reachable from it.
    m_delegate.reset();
    theApplication = nullptr;
}

Application* Application::sharedApplication()
{
    return theApplication;
}

bool Application::launch()
{
    return m_delegate->didFinishLaunchingWithOptions();
}

void Application::applicationStateChanged(Qt::ApplicationState state)
{
    const Qt::ApplicationState previous = m_state;
    m_state = state;
    if (state == previous)
        return;
    switch (state) {
    case Qt::ApplicationActive:
        if (previous == Qt::ApplicationSuspended || previous == Qt::ApplicationHidden)
            m_delegate->applicationWillEnterForeground();
        m_delegate->applicationDidBecomeActive();
        break;
    case Qt::ApplicationInactive:
    case Qt::ApplicationHidden:
        if (previous == Qt::ApplicationActive)
            m_delegate->applicationWillResignActive();
        break;
    case Qt::ApplicationSuspended:
        if (previous == Qt::ApplicationActive)
            m_delegate->applicationWillResignActive();
        m_delegate->applicationDidEnterBackground();
        break;
    }
}
