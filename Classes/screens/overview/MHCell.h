#pragma once

#include "widgets/TableViewCell.h"

class OverviewFigures;

// A car page's latest fill-up row: one line with its date, volume and total.
class MHCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 34;

    explicit MHCell(QWidget* parent = nullptr);

    // Shows the latest fill-up's line, "尚无录入加油数据" without one, or why the log could not
    // be read.
    void update(const OverviewFigures& figures);
    QString info() const { return m_info; }

protected:
    void paintContent(QPainter& painter, const QRect& contentRect) override;

private:
    QString m_info;
};
