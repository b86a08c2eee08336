#include "screens/shell/PlaceholderViewController.h"

#include "widgets/NavigationItem.h"
#include "widgets/TabBarController.h"

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
