#pragma once

#include "widgets/TableViewCell.h"

#include <QImage>

// The car's photo row: the photo fitted into a rounded frame on black with a white dashed
// border, or, without a photo, the frame saying that one can be added. Pressing it offers to
// choose a photo.
class ImageCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 200;

    explicit ImageCell(QWidget* parent = nullptr);

    void setMImage(const QImage& image);
    QImage mImage() const { return m_image; }

protected:
    void paintContent(QPainter& painter, const QRect& area) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
