#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPushButton>

// A rounded button (corner radius 10, light grey border) on a vertical gradient that darkens
// while the button is held down.
class BackgroundButton : public QPushButton
{
    Q_OBJECT

public:
    explicit BackgroundButton(QWidget* parent = nullptr);
    explicit BackgroundButton(const QString& text, QWidget* parent = nullptr);

    // A two-colour gradient, startColor at 0.0 and endColor at 1.0; the caller places it with
    // setStart and setFinalStop.
    static QLinearGradient normalGradient(const QColor& startColor, const QColor& endColor);

    // The button's background in rect: the highlighted (held down) or the normal gradient,
    // from its start colour at the bottom to its end colour at the top.
    static void drawBackground(QPainter& painter, const QRectF& rect, bool highlighted);

    static constexpr qreal kCornerRadius = 10.0;

protected:
    void paintEvent(QPaintEvent* event) override;
};
