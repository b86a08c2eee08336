#pragma once

#include "widgets/AccessibleControl.h"

#include <QTimer>
#include <QWidget>

class PropertyViewDelegate;
class QLabel;

// A large display field of an editor. It shows a value; a tap tells its delegate, which makes
// it the field being edited. The field being edited blinks every half second until it is made
// inactive. A disabled field shows its value and ignores taps. To assistive technology it is
// an editable text named after what it edits (its accessible name, set by the screen), its text
// the value; its press action is a tap.
class PropertyView : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    static constexpr int kBlinkIntervalMs = 500;

    explicit PropertyView(QWidget* parent = nullptr);

    void setDelegate(PropertyViewDelegate* delegate) { m_delegate = delegate; }

    void setText(const QString& text);
    QString getText() const;
    void setTextAlight(Qt::Alignment alignment);
    void setTextColor(const QColor& colour);
    void setTextFont(const QFont& font);
    // 1 shrinks the text to fit one line; more lines (0 for any number) wrap it.
    void setTextLine(int lines);
    // The text's area starts that far from the field's left and top edges.
    void setTextOffset(int x, int y);

    void setEnable(bool enabled);
    // What a tap does: tells the delegate, when the field is enabled. Keyboard users reach a
    // field this way.
    void tap();
    // The field is being edited and blinks.
    bool isActive() const { return m_active && m_blinkTimer.isActive(); }
    void setActive(bool active);

    // The blink or touch tint drawn over the field now; transparent when there is none.
    QColor backgroundColor() const { return m_background; }

    QSize sizeHint() const override;

    Description accessibleDescription() const override;
    void accessibleAction(const QString& action) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void blink();
    void layoutLabel();

    QLabel* m_label;
    PropertyViewDelegate* m_delegate = nullptr;
    QFont m_font;
    int m_lines = 1;
    QPoint m_offset { 35, 0 };
    QTimer m_blinkTimer;
    bool m_active = false;
    bool m_blinkPhase = false;
    bool m_enabled = true;
    QColor m_background { Qt::transparent };
};
