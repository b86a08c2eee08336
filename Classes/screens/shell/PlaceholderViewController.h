#pragma once

#include "screens/base/BaseModalViewController.h"

// An empty page with its title, standing in for a screen not built yet. As a tab it shows its
// title in the tab bar controller's navigation bar, as every tab screen does when it appears.
class PlaceholderViewController : public BaseModalViewController
{
    Q_OBJECT

public:
    explicit PlaceholderViewController(const QString& title, QWidget* parent = nullptr);

protected:
    void viewWillAppear() override;
};
