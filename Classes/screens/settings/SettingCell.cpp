#include "screens/settings/SettingCell.h"

#include "widgets/Palette.h"

#include <QPainter>

SettingCell::SettingCell(QWidget* parent)
    : TableViewCell(kHeight, parent)
{
    setShowsDisclosureIndicator(true);
}

void SettingCell::setTexts(const QString& label, const QString& detail)
{
    mLabel = label;
    mDetail = detail;
    setAccessibleName(label);
    setAccessibleDescription(detail);
    update();
}

// The caption keeps its room; a long value gives way and ends in an ellipsis.
void SettingCell::paintContent(QPainter& painter, const QRect& area)
{
    const QFontMetrics metrics = painter.fontMetrics();
    // A little room over the measured width: eliding measures the text a shade wider.
    const int labelWidth = qMin(metrics.horizontalAdvance(mLabel) + 4, area.width() * 2 / 3);
    painter.drawText(QRect(area.left(), area.top(), labelWidth, area.height()),
        Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(mLabel, Qt::ElideRight, labelWidth));
    const QRect detailArea = area.adjusted(labelWidth + 12, 0, -4, 0);
    painter.setPen(Palette::colour(Palette::Colour::SecondaryText));
    painter.drawText(detailArea, Qt::AlignRight | Qt::AlignVCenter,
        metrics.elidedText(mDetail, Qt::ElideRight, detailArea.width()));
}
