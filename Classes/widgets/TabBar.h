#pragma once

#include "widgets/AccessibleControl.h"

#include <QImage>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

// The row of tabs at the bottom of a tab bar controller: one button per tab with its icon and
// caption, drawn over a background image.
class TabBar : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    static constexpr int kHeight = 49;

    explicit TabBar(QWidget* parent = nullptr);

    void setBackgroundImage(const QImage& image);
    QImage backgroundImage() const { return m_background; }

    // One tab per caption and icon, in order.
    void setItems(const QList<QPair<QString, QImage>>& items);
    int count() const;
    QAbstractButton* button(int index) const;
    void setSelectedIndex(int index);

    Description accessibleDescription() const override;
    void accessibleAction(const QString&) override { }

Q_SIGNALS:
    // The user chose a tab.
    void tabSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    QButtonGroup* m_buttons;
};
