#pragma once

class ViewController;

// Told before and after a screen leaves its navigation stack through
// BaseModalViewController::popViewControllerAnimated; with a status, whether it saved.
class NavigationPopedViewControllerDelegate
{
public:
    virtual ~NavigationPopedViewControllerDelegate() = default;

    virtual void willPopNavViewController(ViewController* controller) { (void)controller; }
    virtual void DidPopNavViewController(ViewController* controller) { (void)controller; }
    virtual void willPopNavViewController(ViewController* controller, bool popStatus)
    {
        (void)controller;
        (void)popStatus;
    }
    virtual void DidPopNavViewController(ViewController* controller, bool popStatus)
    {
        (void)controller;
        (void)popStatus;
    }
};
