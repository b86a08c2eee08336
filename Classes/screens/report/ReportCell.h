#pragma once

#include "reports/OilReportItem.h"
#include "reports/ReportFigures.h"

#include <QWidget>

class QLabel;

// One month line of the report tab: the month, then its distance, volume and money, as the
// report figures word them.
class ReportCell : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit ReportCell(QWidget* parent = nullptr);

    void setItem(const OilReportItem& item, const ReportFigures::MonthTexts& texts);
    const OilReportItem& item() const { return m_item; }

    // The width each column's text needs, month to money; the rows line their columns up by
    // taking the widest of each as its least width.
    QList<int> textWidths() const;
    void setLeastColumnWidths(const QList<int>& widths);

    // The texts as shown.
    QString month() const;
    QString miles() const;
    QString volumn() const;
    QString money() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Month, distance, volume, money: the order of the report's columns.
    QList<QLabel*> columns() const { return { m_month, m_miles, m_volumn, m_money }; }

    OilReportItem m_item;
    QLabel* m_month;
    QLabel* m_miles;
    QLabel* m_money;
    QLabel* m_volumn;
};
