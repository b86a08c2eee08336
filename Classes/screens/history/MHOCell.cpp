#include "screens/history/MHOCell.h"

#include "reports/HistoryOilModel.h"
#include "widgets/Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kMargin = 10;
constexpr int kDayWidth = 44;

using Role = HistoryOilModel::Role;

QString text(const QModelIndex& index, Role role)
{
    return index.data(role).toString();
}

// One line of text in its half of the row, elided rather than cut when the row is narrow.
void drawLine(QPainter* painter, const QRect& rect, Qt::Alignment alignment, const QString& line)
{
    painter->drawText(rect, int(alignment | Qt::AlignVCenter),
        painter->fontMetrics().elidedText(line, Qt::ElideRight, rect.width()));
}

} // namespace

QSize MHOCell::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(0, index.parent().isValid() ? kRowHeight : kHeaderHeight);
}

void MHOCell::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    if (index.parent().isValid())
        paintFillUp(painter, option, index);
    else
        paintHeader(painter, option.rect, index);
    painter->restore();
}

void MHOCell::paintHeader(QPainter* painter, const QRect& rect, const QModelIndex& index)
{
    QLinearGradient band(rect.topLeft(), rect.bottomLeft());
    band.setColorAt(0, Palette::colour(Palette::Colour::BarTop));
    band.setColorAt(1, Palette::colour(Palette::Colour::BarBottom));
    painter->fillRect(rect, band);
    painter->setFont(Palette::font(Palette::Font::SectionHeader));
    painter->setPen(Palette::colour(Palette::Colour::BarText));
    drawLine(painter, rect.adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft, index.data().toString());
}

void MHOCell::paintFillUp(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    using C = Palette::Colour;
    const QRect& rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(rect, Palette::colour(selected ? C::Pressed : C::Surface));
    painter->setPen(Palette::colour(C::Separator));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    const QRect inner = rect.adjusted(kMargin, 2, -kMargin, -2);
    const int half = inner.height() / 2;
    const QRect day(inner.left(), inner.top(), kDayWidth, half);
    const QRect week = day.translated(0, half);
    const int rest = inner.width() - kDayWidth - kMargin;
    const QRect middle(day.right() + kMargin, inner.top(), rest / 2, half);
    const QRect right(middle.right() + 1, inner.top(), rest - middle.width(), half);

    const QColor dayColour = Palette::colour(index.data(Role::WeekendRole).toBool() ? C::Weekend : C::Text);
    const QFont body = Palette::font(Palette::Font::Body);
    painter->setPen(dayColour);
    painter->setFont(Palette::font(Palette::Font::RowTitle));
    drawLine(painter, day, Qt::AlignHCenter, text(index, Role::DayRole));
    painter->setFont(body);
    drawLine(painter, week, Qt::AlignHCenter, text(index, Role::WeekRole));
    painter->setPen(Palette::colour(C::Text));
    drawLine(painter, middle, Qt::AlignLeft, text(index, Role::MilesRole));
    painter->setFont(Palette::font(Palette::Font::RowTitle));
    drawLine(painter, right, Qt::AlignRight, text(index, Role::MoneyRole));
    painter->setFont(body);
    painter->setPen(Palette::colour(C::SecondaryText));
    drawLine(painter, middle.translated(0, half), Qt::AlignLeft, text(index, Role::PriceRole));
    drawLine(painter, right.translated(0, half), Qt::AlignRight, text(index, Role::VolumnRole));
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(Palette::colour(C::Accent), 2));
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
    }
}
