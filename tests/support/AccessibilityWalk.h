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
    // The controls under the window that a screen reader could not name or use, one line each
    // ("PushButton '' without a name"); empty when there is none. A widget that takes clicks or
    // keys (a pointing-hand cursor, tab focus) without a role of its own counts as a control
    // nobody described. Hidden controls, and those with nothing on screen (the editors' hidden
    // input), are not walked.
    static QStringList faults(QWidget* window);

    // Runs that action of the shown control of that name; false when there is no such control
    // or it does not offer the action.
    static bool act(QWidget* window, const QString& name,
        const QString& action = QAccessibleActionInterface::pressAction());

    // For a window shown in Chinese, where a string-table key shows as itself: the names that
    // hold a Chinese character (the keys are Chinese) and that the English table does not
    // translate. What a display field or a tree's row shows is its value, not a key, and is left
    // out.
    static QStringList untranslated(QWidget* window);

    // Fails the test, one line per problem, when the window has faults or, shown in Chinese
    // (translated), names without their English text.
    static void verify(QWidget* window, bool translated = true);
};
