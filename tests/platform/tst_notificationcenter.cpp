#include "platform/NotificationCenter.h"

#include <QtTest>

#include <memory>

class TestNotificationCenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void observersHearTheirNameFromAnySender()
    {
        QObject observer;
        QObject sender;
        QList<QObject*> heard;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(&observer, QStringLiteral("SETUP_WIZARD_COMPLETE"),
            [&](const Notification& notification) { heard << notification.object(); });
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), &sender);
        centre->postNotificationName(QStringLiteral("OTHER"), &sender);
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), nullptr);
        QCOMPARE(heard, QList<QObject*>({ &sender, nullptr }));
    }

    void anObserverOfOneSenderHearsOnlyIt()
    {
        QObject observer;
        QObject wanted;
        QObject other;
        int heard = 0;
        NotificationCenter::defaultCenter()->addObserver(
            &observer, QStringLiteral("N"), [&](const Notification&) { ++heard; }, &wanted);
        NotificationCenter::defaultCenter()->postNotificationName(QStringLiteral("N"), &other);
        NotificationCenter::defaultCenter()->postNotificationName(QStringLiteral("N"), &wanted);
        QCOMPARE(heard, 1);
    }

    void goneOrRemovedObserversHearNothing()
    {
        int heard = 0;
        auto observer = std::make_unique<QObject>();
        QObject removed;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(observer.get(), QStringLiteral("N"), [&](const Notification&) { ++heard; });
        centre->addObserver(&removed, QStringLiteral("N"), [&](const Notification&) { ++heard; });
        observer.reset();
        centre->removeObserver(&removed);
        centre->postNotificationName(QStringLiteral("N"), nullptr);
        QCOMPARE(heard, 0);
    }

    void anObserverRemovedByAnEarlierHandlerIsNotCalled()
    {
        QObject first;
        QObject second;
        QStringList heard;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(&first, QStringLiteral("N"), [&](const Notification&) {
            heard << QStringLiteral("first");
            centre->removeObserver(&second);
        });
        centre->addObserver(
            &second, QStringLiteral("N"), [&](const Notification&) { heard << QStringLiteral("second"); });
        centre->postNotificationName(QStringLiteral("N"), nullptr);
        QCOMPARE(heard, QStringList({ "first" }));
        centre->removeObserver(&first);
    }
};

QTEST_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
