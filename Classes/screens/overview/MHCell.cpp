#include "screens/overview/MHCell.h"

#include "platform/MainBundle.h"
#include "reports/OverviewFigures.h"
#include "widgets/Palette.h"

#include <QFontMetrics>
#include <QPainter>

MHCell::MHCell(QWidget* parent)
    : TableViewCell(kHeight, parent)
{
    setDrawsCard(true);
    setAccessibleName(MainBundle::localizedString("最近一次加油"));
}

void MHCell::update(const OverviewFigures& figures)
{
    m_info = figures.errorString().isEmpty() ? figures.latestFillUpText() : figures.errorString();
    setAccessibleDescription(m_info);
    QWidget::update();
}

void MHCell::paintContent(QPainter& painter, const QRect& contentRect)
{
    const QFont font = Palette::font(Palette::Font::Body);
    painter.setFont(font);
    painter.setPen(Palette::colour(Palette::Colour::Text));
    painter.drawText(contentRect, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font).elidedText(m_info, Qt::ElideRight, contentRect.width()));
}
