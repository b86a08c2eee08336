#include "platform/NotificationCenter.h"

#include <QtTest>

#include <memory>

class TestNotificationCenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void observersHearTheirNameFromTheirSenders()
    {
        QObject observer;
        QObject sender;
        QList<QObject*> heard;
        int heardFromSender = 0;
        NotificationCenter* centre = NotificationCenter::defaultCenter();
        centre->addObserver(&observer, QStringLiteral("SETUP_WIZARD_COMPLETE"),
            [&](const Notification& notification) { heard << notification.object(); });
        centre->addObserver(
            &observer, QStringLiteral("SETUP_WIZARD_COMPLETE"),
            [&](const Notification&) { ++heardFromSender; }, &sender);
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), &sender);
        centre->postNotificationName(QStringLiteral("OTHER"), &sender);
        centre->postNotificationName(QStringLiteral("SETUP_WIZARD_COMPLETE"), nullptr);
        QCOMPARE(heard, QList<QObject*>({ &sender, nullptr }));
        QCOMPARE(heardFromSender, 1);
        centre->removeObserver(&observer);
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
