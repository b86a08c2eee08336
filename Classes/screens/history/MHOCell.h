#pragma once

#include <QStyledItemDelegate>

// Paints the rows of the history list (HistoryOilModel): a month's header, 25 pixels high, and
// a fill-up's row, 44 pixels high: on the left its day and weekday (red on a weekend), then
// its odometer reading over its price per unit, and on the right its total over its volume.
// Painting reads only the row's own texts, so a long log scrolls as fast as a short one.
class MHOCell : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 44;
    static constexpr int kHeaderHeight = 25;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static void paintHeader(QPainter* painter, const QRect& rect, const QModelIndex& index);
    static void paintFillUp(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index);
};
