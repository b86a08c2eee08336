#include "platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter* NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return &center;
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler, QObject* sender)
{
    const bool known = std::any_of(m_observations.cbegin(), m_observations.cend(),
        [observer](const Observation& observation) { return observation.observer == observer; });
    if (!known)
        connect(observer, &QObject::destroyed, this, [this, observer] { removeObserver(observer); });
    m_observations.append({ observer, name, sender, sender == nullptr, std::move(handler) });
}

void NotificationCenter::removeObserver(QObject* observer)
{
    m_observations.removeIf(
        [observer](const Observation& observation) { return observation.observer == observer; });
}

void NotificationCenter::postNotificationName(const QString& name, QObject* object)
{
    const Notification notification(name, object);
    // A copy: a handler may add or remove observers.
    const QList<Observation> observations = m_observations;
    for (const Observation& observation : observations) {
        if (observation.name != name || (!observation.anySender && observation.sender != object))
            continue;
        const bool stillObserving = std::any_of(m_observations.cbegin(), m_observations.cend(),
            [&](const Observation& current) { return current.observer == observation.observer; });
        if (stillObserving)
            observation.handler(notification);
    }
}
