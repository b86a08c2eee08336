#pragma once

#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "reports/OverviewFigures.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class BackgroundButton;
class CarInfo;
class ChartView;
class MFCell;
class MHCell;
class PageViewDelegate;

// One car's page on the overview: a line chart of the volumes of its last five fill-ups above a
// two-row table (the summary row and the latest fill-up row) and the button that starts a new
// fill-up. The page shows its car's OverviewFigures and answers the chart's questions from
// them; taps go to its owner. The content keeps to a readable width, centred in the page.
class PageView : public QWidget, public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // The car shown, or none; the owner then calls updateAddOilInfo().
    CarInfo* mCarInfo() const { return m_car; }
    void setMCarInfo(CarInfo* car) { m_car = car; }
    // Rereads the car's figures and shows them in the chart and both rows. False, with the
    // reason in figures().errorString() and shown in the latest fill-up row, when the log could
    // not be read.
    bool updateAddOilInfo();
    const OverviewFigures& figures() const { return m_figures; }

    // Not owned: the owner outlives its pages.
    PageViewDelegate* mpDelegate = nullptr;

    ChartView* mChartView() const { return m_chartView; }
    MFCell* summaryCell() const { return m_summary; }
    MHCell* latestCell() const { return m_latest; }
    BackgroundButton* mButton() const { return m_button; }

    // The chart's data: x 1, 2, ... per plotted fill-up, their volumes, the x labels (dates).
    const QList<double>& mxData() const { return m_mxData; }
    const QList<double>& myData() const { return m_myData; }
    const QStringList& xLables() const { return m_figures.xLables(); }
    int mDySetOff() const { return m_mDySetOff; }
    int mDyStart() const { return m_mDyStart; }

    void onAddOil();

    // ChartViewDrawDelegate
    int loadYAxisMajorTickNumberForChartView(ChartView& chartView) override;
    int loadXAxisMajorTickNumberForChartView(ChartView& chartView) override;
    QString loadTextYMajorTick(
        unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView) override;
    QString loadTextXMajorTick(
        unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView) override;
    QString loadYAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;
    QString loadXAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;
    QString loadTitleForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;
    bool drawYAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView) override;
    bool drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView) override;

    // ChartViewDrawDataDelegate
    bool isDrawCrossPointLable(unsigned index, ChartView& intChartView) override;
    std::optional<double> numberForYMajorTickSetOffInChartView(ChartView& chartView) override;
    std::optional<double> numberForXMajorTickSetOffInChartView(ChartView& chartView) override;
    std::optional<double> numberForYStartValueInChartView(ChartView& chartView) override;
    std::optional<double> numberForXStartValueInChartView(ChartView& chartView) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // White rounded texts on the chart, which asks this page for everything it shows.
    void common();

    CarInfo* m_car = nullptr;
    OverviewFigures m_figures;
    QWidget* m_content = nullptr;
    ChartView* m_chartView;
    MFCell* m_summary;
    MHCell* m_latest;
    BackgroundButton* m_button;
    int m_mDySetOff = 1;
    int m_mDyStart = 0;
    QList<double> m_mxData;
    QList<double> m_myData;
};
