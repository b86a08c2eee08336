#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

// A named announcement and the object that posted it (its sender; may be null).
class Notification
{
public:
    Notification(const QString& name, QObject* object)
        : m_name(name)
        , m_object(object)
    { }

    QString name() const { return m_name; }
    QObject* object() const { return m_object; }

private:
    QString m_name;
    QPointer<QObject> m_object;
};
