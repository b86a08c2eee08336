#pragma once

#include "widgets/AppWindow.h"

class NavigationController;
class ViewController;

// An app window for one test, its root a navigation controller with the given first screen,
// shown and active, so that screens appear, take the keyboard and show alerts as in the app.
class ScreenHost
{
public:
    explicit ScreenHost(ViewController* rootScreen);

    AppWindow* window() { return &m_window; }
    NavigationController* navigationController() const { return m_navigation; }

private:
    AppWindow m_window;
    NavigationController* m_navigation;
};
