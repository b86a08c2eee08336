#pragma once

#include "widgets/ViewController.h"

#include <QPointer>
#include <QWidget>

// The app's one window, shaped like a phone by default and freely resizable. It shows its root
// screen, and on top of it the screens presented modally and the alerts, each covering it all.
class AppWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize { 390, 780 };

    explicit AppWindow(QWidget* parent = nullptr);
    ~AppWindow() override;

    // The window takes ownership of the root screen.
    void setRootViewController(ViewController* controller);
    ViewController* rootViewController() const { return m_root; }
    // The screen the user sees: the last one presented, or the root.
    ViewController* visibleViewController() const;

    // Shows the window and brings its screens on.
    void makeKeyAndVisible();

    // The shown app window that alerts belong in: the active one, or else any shown one.
    static AppWindow* mainWindow();

    // Covering layers (alerts, action sheets) kept at the window's size, above everything.
    void addOverlay(QWidget* overlay);

private:
    friend class ViewController;
    void presentViewController(ViewController* controller, bool animated);
    void dismissViewController(ViewController* controller, bool animated);
    void raiseOverlays();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<ViewController> m_root;
    QList<QPointer<ViewController>> m_presented;
    QList<QPointer<QWidget>> m_overlays;
};
