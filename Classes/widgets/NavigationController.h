#pragma once

#include "widgets/ViewController.h"

class NavigationBar;

// A stack of screens under a navigation bar. The bar shows the top screen's navigation item and,
// below the root, a back button that pops. The controller owns the screens on its stack; one
// that leaves it (popped or replaced) is deleted once it is off screen, on a later turn of the
// event loop, so its own code may still run to its end.
class NavigationController : public ViewController
{
    Q_OBJECT

public:
    explicit NavigationController(ViewController* rootViewController = nullptr, QWidget* parent = nullptr);

    QList<ViewController*> viewControllers() const { return m_stack; }
    ViewController* topViewController() const;
    // Makes the list the whole stack; screens of the old stack that are not in it go.
    void setViewControllers(const QList<ViewController*>& controllers, bool animated);
    void pushViewController(ViewController* controller, bool animated);
    // The popped screen, or null when only the root is left (the root is never popped).
    ViewController* popViewControllerAnimated(bool animated);

    NavigationBar* navigationBar() const { return m_bar; }

protected:
    QList<ViewController*> visibleChildViewControllers() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Direction
    {
        Forward,
        Back
    };

    void switchTop(ViewController* from, ViewController* to, Direction direction, bool animated);
    void discard(ViewController* controller);
    QRect contentRect() const;
    void updateBar();

    NavigationBar* m_bar;
    QList<ViewController*> m_stack;
};
