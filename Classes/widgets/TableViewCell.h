#pragma once

#include "widgets/AccessibleControl.h"

#include <QWidget>

// One row of a table that the user taps to go somewhere: a white card that darkens while held
// and shows a ring while it has the focus. It is pressed by a click, by Space or Enter while it
// has the focus, or by a screen reader. A row draws what it shows itself, so a screen reader
// reads it as one control: its name says what the row is, its value what it shows.
class TableViewCell : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    explicit TableViewCell(QWidget* parent = nullptr);

    Description accessibleDescription() const override;
    void accessibleAction(const QString& action) override;

Q_SIGNALS:
    void tapped();

protected:
    // What the row shows, for a screen reader.
    virtual QString accessibleValue() const = 0;
    // Draws the row's content inside the card's padding.
    virtual void drawContents(QPainter& painter, const QRect& contentRect) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_pressed = false;
};
