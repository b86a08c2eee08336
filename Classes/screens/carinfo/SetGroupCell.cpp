#include "screens/carinfo/SetGroupCell.h"

#include "platform/MainBundle.h"
#include "widgets/Palette.h"

#include <QPainter>

SetGroupCell::SetGroupCell(QWidget* parent)
    : TableViewCell(kHeight, parent)
    , m_captions { MainBundle::localizedString("油箱容积"), MainBundle::localizedString("汽车排量"),
        MainBundle::localizedString("缺省汽油标号") }
    , m_lines { QString(), QString(), QString() }
{
    setShowsDisclosureIndicator(true);
    setAccessibleName(MainBundle::localizedString("油箱、排量和油品"));
}

void SetGroupCell::setTexts(const QString& top, const QString& middle, const QString& bottom)
{
    m_lines = { top, middle, bottom };
    QStringList described;
    for (int line = 0; line < m_lines.size(); ++line)
        described << m_captions.at(line) + QLatin1String(": ") + m_lines.at(line);
    setAccessibleDescription(described.join(QLatin1String(", ")));
    update();
}

void SetGroupCell::paintContent(QPainter& painter, const QRect& area)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect lines = area.adjusted(0, 8, -4, -8);
    const int lineHeight = lines.height() / int(m_lines.size());
    for (int line = 0; line < m_lines.size(); ++line) {
        const QRect row(lines.left(), lines.top() + line * lineHeight, lines.width(), lineHeight);
        const int captionWidth = qMin(metrics.horizontalAdvance(m_captions.at(line)) + 4, row.width() / 2);
        painter.setPen(Palette::colour(Palette::Colour::SecondaryText));
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(m_captions.at(line), Qt::ElideRight, captionWidth));
        painter.setPen(Palette::colour(Palette::Colour::Text));
        painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter,
            metrics.elidedText(m_lines.at(line), Qt::ElideRight, row.width() - captionWidth - 12));
    }
}
