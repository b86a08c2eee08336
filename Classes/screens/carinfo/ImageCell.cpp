#include "screens/carinfo/ImageCell.h"

#include "platform/MainBundle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 10;

QRectF frameRect(const QRect& rect)
{
    return QRectF(rect).adjusted(10.5, 8.5, -10.5, -8.5);
}

} // namespace

ImageCell::ImageCell(QWidget* parent)
    : TableViewCell(kHeight, parent)
{
    setAccessibleName(MainBundle::localizedString("车辆照片"));
}

void ImageCell::setMImage(const QImage& image)
{
    m_image = image;
    update();
}

// Black behind the photo and the white dashed border are the photo frame's own look.
void ImageCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF frame = frameRect(rect());
    QPainterPath rounded;
    rounded.addRoundedRect(frame, kRadius, kRadius);
    painter.fillPath(rounded, Qt::black);
    painter.save();
    painter.setClipPath(rounded);
    paintContent(painter, frame.toRect());
    painter.restore();
    painter.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rounded);
    paintStates(painter, frame, kRadius);
}

void ImageCell::paintContent(QPainter& painter, const QRect& area)
{
    if (m_image.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(
            area, Qt::AlignCenter | Qt::TextWordWrap, MainBundle::localizedString("点击选择车辆照片"));
        return;
    }
    const QSize fitted = m_image.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), fitted);
    target.moveCenter(area.center());
    painter.drawImage(target, m_image);
}
