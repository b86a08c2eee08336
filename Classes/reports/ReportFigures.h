#pragma once

#include "reports/CarAllReport.h"
#include "reports/OilReportItem.h"

#include <QList>
#include <QString>

class CarInfo;

// What the report tab shows for one car: the whole-period totals without the latest fill-up,
// whose fuel has not been driven yet, and one line per month of the statistics period, the
// newest month without its latest fill-up's money and volume. The month lines also feed the
// chart row; the PDF report draws these same figures.
class ReportFigures
{
public:
    // The figures of that car, empty until read. The car must outlive them (the car manager
    // keeps every car for the run).
    explicit ReportFigures(const CarInfo& car);

    // Reads the figures afresh. False, with the reason in errorString() and nothing to show,
    // when the log cannot be read.
    bool read();
    QString errorString() const { return m_errorString; }

    const CarInfo& car() const { return *m_car; }

    // The totals: mRPTMoneyString, mRPTVolumnString and mRPTMilesString are the three texts
    // above the month lines.
    const CarAllReport& totals() const { return m_totals; }

    // Oldest first; none when the period has no fill-up (the tab then shows its no-data notice).
    const QList<OilReportItem>& months() const { return m_months; }

    // A month line's texts in the car's units: caption, distance, volume and money.
    struct MonthTexts
    {
        QString month;
        QString miles;
        QString volumn;
        QString money;
    };
    MonthTexts monthTexts(const OilReportItem& month) const;

private:
    const CarInfo* m_car;
    CarAllReport m_totals;
    QList<OilReportItem> m_months;
    QString m_errorString;
};
