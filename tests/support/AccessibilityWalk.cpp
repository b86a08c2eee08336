#include "support/AccessibilityWalk.h"

#include <QAccessible>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace {

bool isInteractive(QAccessible::Role role)
{
    static const QList<QAccessible::Role> controls { QAccessible::PushButton, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::ComboBox,
        QAccessible::PageTab, QAccessible::EditableText, QAccessible::SpinBox, QAccessible::Slider,
        QAccessible::Dial, QAccessible::ListItem, QAccessible::TreeItem, QAccessible::MenuItem,
        QAccessible::Link };
    return controls.contains(role);
}

// A widget that takes clicks or keys like a control but shows itself to assistive technology
// as a plain area: it draws itself and nobody described it.
bool looksLikeAControl(QAccessibleInterface* element)
{
    const auto* widget = qobject_cast<const QWidget*>(element->object());
    return widget && element->role() == QAccessible::Client
        && ((widget->focusPolicy() & Qt::TabFocus) || widget->cursor().shape() == Qt::PointingHandCursor);
}

// Calls the visitor on every shown element under the root, the root first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    if (!root || root->state().invisible || root->rect().isEmpty())
        return;
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), visit);
}

QStringList actionsOf(QAccessibleInterface* control)
{
    QAccessibleActionInterface* actions = control->actionInterface();
    return actions ? actions->actionNames() : QStringList();
}

// Controls a screen reader could not name or use, one line each ("PushButton '' without a
// name"). A widget that takes clicks or keys (a pointing-hand cursor, tab focus) without a role of
// its own counts as a control nobody described.
QStringList faults(QWidget* window)
{
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(window), [&found](QAccessibleInterface* control) {
        if (looksLikeAControl(control))
            found << QStringLiteral("%1 without a role")
                         .arg(QLatin1String(control->object()->metaObject()->className()));
        if (!isInteractive(control->role()))
            return;
        const QString name = control->text(QAccessible::Name);
        const QString described = QStringLiteral("%1 '%2'").arg(
            QLatin1String(QMetaEnum::fromType<QAccessible::Role>().valueToKey(control->role())), name);
        if (name.trimmed().isEmpty())
            found << described + QStringLiteral(" without a name");
        // Setting the focus is no action a user takes on a control; a text input is used by
        // typing into it.
        QStringList actions = actionsOf(control);
        actions.removeAll(QAccessibleActionInterface::setFocusAction());
        if (!control->state().disabled && actions.isEmpty() && !control->editableTextInterface())
            found << described + QStringLiteral(" without an action");
    });
    return found;
}

// In a window shown in Chinese a string-table key shows as itself: the names that hold a Chinese
// character and that the English table does not translate. What a display field or a tree's row
// shows is its value, not a key, and is left out.
QStringList untranslated(QWidget* window)
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral(":/bundle/pumpora_en.qm"));
    if (!loaded)
        return { QStringLiteral("the English table cannot be loaded") };
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(window), [&found](QAccessibleInterface* element) {
        const QString name = element->text(QAccessible::Name);
        const bool chinese = std::any_of(
            name.cbegin(), name.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
        QAccessibleInterface* parent = element->parent();
        const bool shownValue = element->role() == QAccessible::TreeItem
            || (parent && parent->role() == QAccessible::EditableText);
        if (chinese && !shownValue && english.translate("Localizable", name.toUtf8().constData()).isEmpty()
            && !found.contains(name))
            found << name;
    });
    return found;
}

} // namespace

bool AccessibilityWalk::act(QWidget* window, const QString& name, const QString& action)
{
    QAccessibleInterface* target = nullptr;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* control) {
        if (!target && isInteractive(control->role()) && control->text(QAccessible::Name) == name)
            target = control;
    });
    if (!target || !actionsOf(target).contains(action))
        return false;
    target->actionInterface()->doAction(action);
    return true;
}

void AccessibilityWalk::verify(QWidget* window, bool translated)
{
    const QStringList problems = faults(window) + (translated ? untranslated(window) : QStringList());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}
