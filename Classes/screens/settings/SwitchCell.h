#pragma once

#include <QWidget>

class QLabel;
class Switch;

// A settings row with a caption and an on/off switch; a click anywhere on the row turns the
// switch. The switch carries the caption as its name for a screen reader.
class SwitchCell : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit SwitchCell(const QString& caption, QWidget* parent = nullptr);

    Switch* mSwitch() const { return m_switch; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Switch* m_switch;
    QLabel* mLable;
};
