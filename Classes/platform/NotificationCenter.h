#pragma once

#include "platform/Notification.h"

#include <QObject>

#include <functional>

// The default notification centre: announcements between parts of the app that do not know
// each other. Observers are called at once, in the order they registered, on the main thread;
// an observer is forgotten when it is destroyed.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter* defaultCenter();

    // Calls the handler for every notification of that name, from any sender when `sender` is
    // null, else from that sender only.
    void addObserver(QObject* observer, const QString& name, Handler handler, QObject* sender = nullptr);
    void removeObserver(QObject* observer);
    void postNotificationName(const QString& name, QObject* object);

private:
    struct Observation
    {
        QObject* observer;
        QString name;
        QPointer<QObject> sender;
        bool anySender;
        Handler handler;
    };

    QList<Observation> m_observations;
};
