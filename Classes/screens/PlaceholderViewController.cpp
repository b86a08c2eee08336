#include "screens/PlaceholderViewController.h"

#include "platform/NavigationItem.h"
#include "platform/TabBarController.h"

PlaceholderViewController::PlaceholderViewController(const QString& title, QWidget* parent)
    : BaseModalViewController(parent)
{
    setTitle(title);
}

void PlaceholderViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    if (TabBarController* tabs = tabBarController()) {
        NavigationItem* item = tabs->navigationItem();
        item->setTitle(title());
        item->setLeftBarButtonItem(nullptr);
        item->setRightBarButtonItem(nullptr);
    }
}
