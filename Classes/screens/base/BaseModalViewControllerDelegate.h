#pragma once

class ViewController;

// Asked by a presented screen to dismiss it: the presenting screen does the dismissing.
class BaseModalViewControllerDelegate
{
public:
    virtual ~BaseModalViewControllerDelegate() = default;

    virtual void willDissModalViewController(ViewController* controller) { (void)controller; }
    virtual void DidDissModalViewController(ViewController* controller) { (void)controller; }
};
