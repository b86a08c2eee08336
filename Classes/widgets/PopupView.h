#pragma once

#include "widgets/AccessibleControl.h"

#include <QPointer>
#include <QWidget>

class QFrame;
class QPushButton;

// What alerts and action sheets share: a card of buttons over the dimmed window that takes
// every input until one of its buttons is pressed. Showing one returns at once; the press is
// reported through clickedButtonAtIndex, then the popup closes and deletes itself. Without a
// shown app window it appears as a small window of its own.
class PopupView : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    QString title() const { return m_title; }
    QStringList buttonTitles() const;
    QPushButton* buttonAtIndex(int index) const;
    // -1 when there is no cancel button.
    int cancelButtonIndex() const { return m_cancelIndex; }

    // Shows it above everything in the app window.
    void present();
    // As if the button had been pressed.
    void dismissWithClickedButtonIndex(int index);

    // The popups now shown, the newest last.
    static QList<PopupView*> shownPopups();

    // A dialog named by its title; its buttons are its controls.
    Description accessibleDescription() const override;
    void accessibleAction(const QString&) override { }

Q_SIGNALS:
    void clickedButtonAtIndex(int index);

protected:
    enum class ButtonRole
    {
        Default,
        Cancel,
        Destructive
    };

    explicit PopupView(const QString& title);

    QFrame* card() const { return m_card; }
    // A new button of the card, its index the number of buttons made before it.
    QPushButton* makeButton(const QString& title, ButtonRole role);
    // The card's height at that width.
    int cardHeightForWidth(int width) const;
    // Where the card sits in a window of that size.
    virtual QRect cardRect(const QSize& area) const = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_title;
    QFrame* m_card;
    QList<QPushButton*> m_buttons;
    int m_cancelIndex = -1;
    bool m_inWindow = false;
    QPointer<QWidget> m_previousFocus;
};
