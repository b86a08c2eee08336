#include "screens/base/TopHelpView.h"

#include "platform/MainBundle.h"

TopHelpView::TopHelpView(QWidget* parent)
    : CKeyHelpView({ MainBundle::localizedString("上一年"), MainBundle::localizedString("下一年"),
                       MainBundle::localizedString("上个月"), MainBundle::localizedString("下个月") },
        parent)
{ }

int TopHelpView::selectedIndex(QAbstractButton* key) const
{
    for (int index = 0; index < keyCount(); ++index) {
        if (this->key(index) == key)
            return index;
    }
    return -1;
}
