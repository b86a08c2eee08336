#pragma once

#include <QAccessible>
#include <QRect>
#include <QStringList>

class QWidget;

// What a widget that draws itself shows to assistive technology (a screen reader, a test that
// drives the screens by name): its role, name and value, and the actions a user can take, each
// doing what the matching click or key does. Parts drawn inside it that a user handles one by
// one (the wheels of a picker) appear as its children, with their own role, name, value and
// actions.
//
// A widget class inherits this beside QWidget and describes itself; the accessibility interface
// that reads the description is found for it by its type. A name set with setAccessibleName()
// takes the place of the described one.
class AccessibleControl
{
public:
    struct Description
    {
        QAccessible::Role role = QAccessible::Client;
        QString name;
        QString value;
        // QAccessibleActionInterface names such as pressAction(); none while disabled.
        QStringList actions;
        // A control that shows its value but takes no input now.
        bool enabled = true;
        bool checkable = false;
        bool checked = false;
        // For a part: where it is drawn, in the widget's coordinates.
        QRect rect;
    };

    AccessibleControl();
    virtual ~AccessibleControl() = default;

    virtual Description accessibleDescription() const = 0;
    virtual void accessibleAction(const QString& action) = 0;

    virtual int accessiblePartCount() const { return 0; }
    virtual Description accessiblePart(int index) const;
    virtual void accessiblePartAction(int index, const QString& action);
};
