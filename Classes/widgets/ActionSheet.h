#pragma once

#include "widgets/PopupView.h"

// A choice of actions in a panel at the bottom of the window. Button indices follow the phone's
// order: the destructive button first (when there is one), then the others, the cancel button last.
class ActionSheet : public PopupView
{
    Q_OBJECT

public:
    ActionSheet(const QString& title, const QString& cancelButtonTitle, const QString& destructiveButtonTitle,
        const QStringList& otherButtonTitles);

protected:
    QRect cardRect(const QSize& area) const override;
};
