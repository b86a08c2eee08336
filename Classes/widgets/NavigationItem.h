#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

// What a navigation bar shows for one screen: a title and the buttons on its left and right.
// A bar button is a QAction (text or icon, triggered signal); the screen that sets it owns it.
// A left button replaces the back button.
class NavigationItem : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString title() const { return m_title; }
    void setTitle(const QString& title);

    QAction* leftBarButtonItem() const { return m_left; }
    void setLeftBarButtonItem(QAction* item);
    QAction* rightBarButtonItem() const { return m_right; }
    void setRightBarButtonItem(QAction* item);

Q_SIGNALS:
    void changed();

private:
    QString m_title;
    QPointer<QAction> m_left;
    QPointer<QAction> m_right;
};
