#pragma once

#include "widgets/PopupView.h"

// A message in a card in the middle of the window, with a cancel button (index 0) and further
// buttons (indices 1, 2, ...): one button for a notice, two for a confirmation.
class AlertView : public PopupView
{
    Q_OBJECT

public:
    AlertView(const QString& title, const QString& message, const QString& cancelButtonTitle,
        const QStringList& otherButtonTitles = {});

    QString message() const { return m_message; }

    // Shortcuts for one-button notices; they show the alert and return at once, and nothing
    // needs handling when it is dismissed.
    static AlertView* showAlertWithTitle(
        const QString& title, const QString& message, const QString& buttonTitle);
    // With the button "确定" (OK).
    static AlertView* showOKWithTitle(const QString& title, const QString& message);
    // Titled "失败" (failure), with the error's description as the message.
    static AlertView* showError(const QString& localizedDescription);

    Description accessibleDescription() const override;

protected:
    QRect cardRect(const QSize& area) const override;

private:
    QString m_message;
};
