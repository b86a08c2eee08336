#pragma once

#include "widgets/TableViewCell.h"

class OverviewFigures;

// A car page's summary row: the fuel cost, fuel and distance of the whole statistics period and
// the average consumption, each under its caption.
class MFCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 90;

    explicit MFCell(QWidget* parent = nullptr);

    // Shows the page's figures: a page without a car shows empty totals and "暂无数据" as its
    // average; figures that could not be read show nothing.
    void update(const OverviewFigures& figures);

    QString totalMoney() const { return m_totalMoney; }
    QString totalVolumn() const { return m_totalVolumn; }
    QString totalMiles() const { return m_totalMiles; }
    QString avageVolumn() const { return m_avageVolumn; }

protected:
    // What the row shows, for a screen reader.
    QString accessibleValue() const;
    void paintContent(QPainter& painter, const QRect& contentRect) override;

private:
    // Caption and value of each figure, in reading order.
    QList<QPair<QString, QString>> shownFigures() const;

    QString m_totalMoney;
    QString m_totalVolumn;
    QString m_totalMiles;
    QString m_avageVolumn;
};
