#pragma once

#include "widgets/ViewController.h"

class TabBar;

// Screens side by side, one shown at a time, chosen on the tab bar at the bottom. Inside a
// navigation controller the tabs share this controller's navigation item: each tab screen sets
// its title and buttons there when it appears. The controller owns its tab screens.
class TabBarController : public ViewController
{
    Q_OBJECT

public:
    explicit TabBarController(QWidget* parent = nullptr);

    // Makes the list the tabs, the first one selected; screens of the old list not in it go.
    void setViewControllers(const QList<ViewController*>& controllers);
    QList<ViewController*> viewControllers() const { return m_tabs; }

    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index);
    ViewController* selectedViewController() const;

    TabBar* tabBar() const { return m_tabBar; }

protected:
    QList<ViewController*> visibleChildViewControllers() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect contentRect() const;

    TabBar* m_tabBar;
    QList<ViewController*> m_tabs;
    int m_selected = -1;
};
