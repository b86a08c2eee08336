#pragma once

#include "widgets/ViewController.h"

class ActivityIndicatorView;
class BaseModalViewControllerDelegate;
class NavigationPopedViewControllerDelegate;
class QLabel;
class QVBoxLayout;

// The base of the app's screens: a busy indicator, leaving the navigation stack with notice to
// a delegate, and asking the presenting screen to be dismissed.
class BaseModalViewController : public ViewController
{
    Q_OBJECT

public:
    explicit BaseModalViewController(QWidget* parent = nullptr);

    // Neither delegate is owned.
    void setNavDelegate(NavigationPopedViewControllerDelegate* delegate) { m_navDelegate = delegate; }
    NavigationPopedViewControllerDelegate* navDelegate() const { return m_navDelegate; }
    void setDissDelegate(BaseModalViewControllerDelegate* delegate) { m_dissDelegate = delegate; }
    BaseModalViewControllerDelegate* dissDelegate() const { return m_dissDelegate; }

    // Leaves the navigation stack (only when it is the shown screen of one), telling navDelegate before and
    // after; the status tells it whether the screen saved. The screen stays alive until the event loop turns,
    // so the calls after the pop are safe.
    void popViewControllerAnimated(bool animated, bool status);
    void popViewControllerAnimated(bool animated);
    // Tells dissDelegate (will, then did); the delegate dismisses this screen.
    void requestDismissModalViewAnimated();

    // The busy indicator in the middle of the screen.
    void showActive();
    void hideActive();
    bool isShowingActive() const;

protected:
    // A column for the screen's captions and fields, centred in the host (the screen itself by
    // default) and at most kFormWidth wide, so that a wide window does not stretch them apart.
    QVBoxLayout* makeFormColumn(QWidget* host = nullptr);
    // A field's caption above it, styled as every form's captions are.
    static QLabel* makeCaption(const QString& text, QWidget* parent);
    static constexpr int kFormWidth = 560;

    // Enter presses the navigation bar's right button (the screen's main action: next, save);
    // Escape its left button (cancel), or goes back as the back button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    NavigationPopedViewControllerDelegate* m_navDelegate = nullptr;
    BaseModalViewControllerDelegate* m_dissDelegate = nullptr;
    ActivityIndicatorView* m_indicatorView = nullptr;
};
