#pragma once

#include <QAccessibleActionInterface>
#include <QStringList>

class QWidget;

// A screen as a screen reader sees it. Every interactive control on screen (buttons, tabs,
// fields, wheels, check boxes, list items) needs a name and, while enabled, an action; and a
// control is pressed by its name through its accessible action, as a screen reader does it.
class AccessibilityWalk
{
public:
    // Runs that action of the shown control of that name; false when there is no such control
    // or it does not offer the action.
    static bool act(QWidget* window, const QString& name,
        const QString& action = QAccessibleActionInterface::pressAction());

    // Fails the test, one line per problem, when a control under the window cannot be named or
    // used by a screen reader (hidden controls, and those with nothing on screen, are not
    // walked) or, shown in Chinese (translated), a name keeps its Chinese key without English text.
    static void verify(QWidget* window, bool translated = true);
};
