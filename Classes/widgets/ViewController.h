#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class NavigationController;
class NavigationItem;
class TabBarController;

// One screen: its view (the widget itself), title, navigation item and tab caption, and the
// appearance callbacks its container calls. A screen builds its widgets in viewDidLoad(), which
// runs once, the first time a container is about to show it; so what a screen needs (a car, a
// record) can be set after construction and before it is pushed or presented.
class ViewController : public QWidget
{
    Q_OBJECT

public:
    explicit ViewController(QWidget* parent = nullptr);
    ~ViewController() override;

    QString title() const;
    // Also the title its navigation bar shows.
    void setTitle(const QString& title);
    NavigationItem* navigationItem() const { return m_navigationItem; }

    // The caption and icon of this screen's tab when it is one of a tab bar controller's.
    void setTabBarItem(const QString& title, const QImage& image);
    QString tabBarTitle() const { return m_tabBarTitle; }
    QImage tabBarImage() const { return m_tabBarImage; }

    // The nearest containers above this screen; null when there is none.
    NavigationController* navigationController() const;
    TabBarController* tabBarController() const;

    // Modal presentation: the presented screen covers the whole window until it is dismissed.
    // The window owns it while it is shown and deletes it after its dismissal.
    void presentModalViewController(ViewController* controller, bool animated);
    // Dismisses what this screen presented; a presented screen without one of its own asks its
    // presenter, and a screen in a container its container, as on the phone.
    void dismissModalViewControllerAnimated(bool animated);
    ViewController* modalViewController() const { return m_presented; }
    ViewController* presentingViewController() const { return m_presenting; }

    bool isViewLoaded() const { return m_viewLoaded; }
    void loadViewIfNeeded();
    // Between viewWillAppear and viewWillDisappear.
    bool isAppearing() const;

    // Called by containers and the window when this screen comes on or leaves the screen;
    // each pair is forwarded to the children shown with it.
    void beginAppearanceTransition(bool appearing);
    void endAppearanceTransition();

protected:
    virtual void viewDidLoad() { }
    virtual void viewWillAppear() { }
    virtual void viewDidAppear() { }
    virtual void viewWillDisappear() { }
    virtual void viewDidDisappear() { }
    // Containers answer the children that are on screen whenever they are.
    virtual QList<ViewController*> visibleChildViewControllers() const { return {}; }

private:
    friend class AppWindow;

    enum class Appearance
    {
        Disappeared,
        Appearing,
        Appeared,
        Disappearing
    };

    NavigationItem* m_navigationItem;
    QString m_tabBarTitle;
    QImage m_tabBarImage;
    QPointer<ViewController> m_presented;
    QPointer<ViewController> m_presenting;
    bool m_viewLoaded = false;
    Appearance m_appearance = Appearance::Disappeared;
};
