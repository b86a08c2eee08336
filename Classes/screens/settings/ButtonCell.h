#pragma once

#include "widgets/TableViewCell.h"

// A row drawn as a glossy button bar: a rounded bar on a four-stop vertical gradient, green for
// an action that adds (style 0), red for one that removes (any other style), its caption
// centred in white. It stands in a bare section of its list.
class ButtonCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit ButtonCell(const QString& caption, int buttonStyle, QWidget* parent = nullptr);

    QString caption() const { return mButton; }
    int buttonStyle() const { return m_buttonStyle; }

    // The bar in that rectangle: inset 10 from its left and right, corner radius 10 (or half the
    // width or height when smaller), the gradient running from the bottom edge up.
    static void drawBar(QPainter& painter, const QRectF& rect, int buttonStyle);

protected:
    void paintContent(QPainter& painter, const QRect& area) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString mButton;
    int m_buttonStyle;
};
