#include "support/ScreenHost.h"

#include "widgets/NavigationController.h"

#include <QtTest>

ScreenHost::ScreenHost(ViewController* rootScreen)
    : m_navigation(new NavigationController(rootScreen))
{
    m_window.setRootViewController(m_navigation);
    m_window.makeKeyAndVisible();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
}
