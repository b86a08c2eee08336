#include "screens/overview/MFCell.h"

#include "platform/MainBundle.h"
#include "reports/OverviewFigures.h"
#include "widgets/Palette.h"

#include <QFontMetrics>
#include <QPainter>

MFCell::MFCell(QWidget* parent)
    : TableViewCell(kHeight, parent)
{
    setDrawsCard(true);
    setAccessibleName(MainBundle::localizedString("车辆统计"));
}

void MFCell::update(const OverviewFigures& figures)
{
    const bool read = figures.errorString().isEmpty();
    const CarAllReport& totals = figures.totals();
    m_totalMoney = totals.mRPTMoneyString;
    m_totalVolumn = totals.mRPTVolumnString;
    m_totalMiles = totals.mRPTMilesString;
    m_avageVolumn = read ? totals.averageConsumptionText() : QString();
    setAccessibleDescription(accessibleValue());
    QWidget::update();
}

QList<QPair<QString, QString>> MFCell::shownFigures() const
{
    return { { MainBundle::localizedString("车辆累计油费"), m_totalMoney },
        { MainBundle::localizedString("车辆累计加油"), m_totalVolumn },
        { MainBundle::localizedString("车辆累计行驶"), m_totalMiles },
        { MainBundle::localizedString("车辆平均油耗"), m_avageVolumn } };
}

QString MFCell::accessibleValue() const
{
    QStringList lines;
    for (const auto& [caption, value] : shownFigures())
        lines << caption + QLatin1String(": ") + value;
    return lines.join(QLatin1Char('\n'));
}

// Two figures a line, each caption above its value.
void MFCell::paintContent(QPainter& painter, const QRect& contentRect)
{
    const QFont captionFont = Palette::font(Palette::Font::Body);
    const QFont valueFont = Palette::font(Palette::Font::LongField);
    const int columnWidth = contentRect.width() / 2;
    const int lineHeight = contentRect.height() / 2;
    const QList<QPair<QString, QString>> figures = shownFigures();
    for (int i = 0; i < figures.size(); ++i) {
        const QRect area(contentRect.left() + (i % 2) * columnWidth, contentRect.top() + (i / 2) * lineHeight,
            columnWidth - 4, lineHeight);
        const QFontMetrics captionMetrics(captionFont);
        const QFontMetrics valueMetrics(valueFont);
        const int top = area.top() + (area.height() - captionMetrics.height() - valueMetrics.height()) / 2;
        painter.setFont(captionFont);
        painter.setPen(Palette::colour(Palette::Colour::SecondaryText));
        painter.drawText(QRect(area.left(), top, area.width(), captionMetrics.height()), Qt::AlignLeft,
            captionMetrics.elidedText(figures.at(i).first, Qt::ElideRight, area.width()));
        painter.setFont(valueFont);
        painter.setPen(Palette::colour(Palette::Colour::Text));
        painter.drawText(
            QRect(area.left(), top + captionMetrics.height(), area.width(), valueMetrics.height()),
            Qt::AlignLeft, valueMetrics.elidedText(figures.at(i).second, Qt::ElideRight, area.width()));
    }
}
