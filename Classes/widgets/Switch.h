#pragma once

#include <QAbstractButton>

// An on/off switch: a rounded track with a knob that sits right and shows the accent colour when
// on. A click or Space turns it; a screen reader finds a check box under the switch's name.
class Switch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit Switch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
