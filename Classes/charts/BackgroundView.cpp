#include "charts/BackgroundView.h"

#include <QPalette>

BackgroundView::BackgroundView(QWidget* parent)
    : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(237, 237, 237));
    setPalette(palette);
    setAutoFillBackground(true);
}
