#include "widgets/AccessibleControl.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

class ControlInterface;

// One part of a control, as a child of the control's interface, which owns it.
class PartInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PartInterface(ControlInterface* control, int index)
        : m_control(control)
        , m_index(index)
    { }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    AccessibleControl::Description description() const;

    ControlInterface* m_control;
    int m_index;
};

// The control is looked up on every call rather than kept: while its widget is being destroyed,
// the description is gone before the widget is, and the lookup then finds nothing.
class ControlInterface : public QAccessibleWidget
{
public:
    explicit ControlInterface(QWidget* widget)
        : QAccessibleWidget(widget)
    { }

    ~ControlInterface() override
    {
        for (const QAccessible::Id id : std::as_const(m_parts))
            QAccessible::deleteAccessibleInterface(id);
    }

    AccessibleControl* control() const { return dynamic_cast<AccessibleControl*>(object()); }
    QWidget* controlWidget() const { return widget(); }

    int childCount() const override { return QAccessibleWidget::childCount() + partCount(); }

    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const int part = index - widgets;
        if (part < 0 || part >= partCount())
            return nullptr;
        while (m_parts.size() <= part) {
            m_parts.append(QAccessible::registerAccessibleInterface(
                new PartInterface(const_cast<ControlInterface*>(this), int(m_parts.size()))));
        }
        return QAccessible::accessibleInterface(m_parts.at(part));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const qsizetype part
            = m_parts.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
        if (part >= 0)
            return QAccessibleWidget::childCount() + int(part);
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* candidate = child(i);
            if (candidate && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        const AccessibleControl* described = control();
        if (!described)
            return QAccessibleWidget::text(t);
        switch (t) {
        case QAccessible::Name:
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return described->accessibleDescription().name;
        case QAccessible::Value:
            return described->accessibleDescription().value;
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::Role role() const override
    {
        const AccessibleControl* described = control();
        return described ? described->accessibleDescription().role : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const AccessibleControl* described = control()) {
            const AccessibleControl::Description description = described->accessibleDescription();
            state.checkable = description.checkable;
            state.checked = description.checked;
            state.disabled = state.disabled || !description.enabled;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        const AccessibleControl* described = control();
        return (described ? described->accessibleDescription().actions : QStringList())
            + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        AccessibleControl* described = control();
        if (described && described->accessibleDescription().actions.contains(action))
            described->accessibleAction(action);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    int partCount() const
    {
        const AccessibleControl* described = control();
        return described ? described->accessiblePartCount() : 0;
    }

    mutable QList<QAccessible::Id> m_parts;
};

bool PartInterface::isValid() const
{
    const AccessibleControl* control = m_control->control();
    return control && m_index < control->accessiblePartCount();
}

QWindow* PartInterface::window() const
{
    return m_control->window();
}

QAccessibleInterface* PartInterface::parent() const
{
    return m_control;
}

AccessibleControl::Description PartInterface::description() const
{
    return isValid() ? m_control->control()->accessiblePart(m_index) : AccessibleControl::Description();
}

QString PartInterface::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return description().name;
    case QAccessible::Value:
        return description().value;
    default:
        return {};
    }
}

QRect PartInterface::rect() const
{
    if (!isValid())
        return {};
    const QRect area = description().rect;
    return QRect(m_control->controlWidget()->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role PartInterface::role() const
{
    return description().role;
}

QAccessible::State PartInterface::state() const
{
    QAccessible::State state = m_control->state();
    state.focused = false;
    state.focusable = false;
    const AccessibleControl::Description part = description();
    state.checkable = part.checkable;
    state.checked = part.checked;
    state.disabled = state.disabled || !part.enabled;
    state.invalid = !isValid();
    return state;
}

QStringList PartInterface::actionNames() const
{
    return description().actions;
}

void PartInterface::doAction(const QString& action)
{
    if (description().actions.contains(action))
        m_control->control()->accessiblePartAction(m_index, action);
}

QAccessibleInterface* controlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && dynamic_cast<AccessibleControl*>(object) ? new ControlInterface(widget) : nullptr;
}

} // namespace

AccessibleControl::AccessibleControl()
{
    // Once, by the first such control, so that no set-up step can be forgotten.
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    (void)installed;
}

AccessibleControl::Description AccessibleControl::accessiblePart(int) const
{
    return {};
}

void AccessibleControl::accessiblePartAction(int, const QString&) { }
