#include "charts/SoftShadow.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

std::vector<float> gaussianKernel(qreal sigma)
{
    const int radius = qMax(1, int(std::ceil(3.0 * sigma)));
    std::vector<float> kernel(2 * radius + 1);
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = float(std::exp(-(i * i) / (2.0 * sigma * sigma)));
        sum += kernel[i + radius];
    }
    for (float& weight : kernel)
        weight /= sum;
    return kernel;
}

// Blurs the alpha of a black premultiplied image in place: one horizontal, one vertical pass.
void blurAlpha(QImage& image, qreal sigma)
{
    const std::vector<float> kernel = gaussianKernel(sigma);
    const int radius = int(kernel.size() / 2);
    const int width = image.width();
    const int height = image.height();
    std::vector<float> alpha(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[size_t(y) * width + x] = float(qAlpha(line[x]));
    }
    std::vector<float> pass(alpha.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = x + k;
                if (sx >= 0 && sx < width)
                    sum += kernel[k + radius] * alpha[size_t(y) * width + sx];
            }
            pass[size_t(y) * width + x] = sum;
        }
    }
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) {
                const int sy = y + k;
                if (sy >= 0 && sy < height)
                    sum += kernel[k + radius] * pass[size_t(sy) * width + x];
            }
            line[x] = qRgba(0, 0, 0, qBound(0, qRound(sum), 255));
        }
    }
}

} // namespace

void SoftShadow::fillPath(
    QPainter& painter, const QPainterPath& path, const QBrush& brush, const QPointF& offset, qreal blur)
{
    // The shadow is rasterised at the painter's own resolution so that it stays soft, not
    // blocky, on a scaled painter; very large scales gain nothing visible.
    const QTransform transform = painter.combinedTransform();
    const qreal scale = qBound(1.0, std::sqrt(std::abs(transform.determinant())), 8.0);
    const qreal sigma = qMax(blur / 2.0, 0.1);
    const qreal padding = std::ceil(3.0 * sigma) + 1.0;
    const QRectF area = path.boundingRect().translated(offset).adjusted(-padding, -padding, padding, padding);

    QImage shadow(qMax(1, int(std::ceil(area.width() * scale))),
        qMax(1, int(std::ceil(area.height() * scale))), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter shape(&shadow);
        shape.setRenderHint(QPainter::Antialiasing);
        shape.scale(scale, scale);
        shape.translate(offset - area.topLeft());
        shape.fillPath(path, QColor(0, 0, 0, 85));
    }
    blurAlpha(shadow, sigma * scale);

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, shadow);
    painter.restore();
    painter.fillPath(path, brush);
}
