#include "charts/MoneyChartCell.h"

#include "charts/BarChart.h"
#include "charts/CPColor.h"
#include "charts/RPChartView.h"
#include "platform/MainBundle.h"
#include "reports/NumberText.h"
#include "store/CarManage.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qsizetype kMostMonths = 12;
constexpr int kXTicks = 10;
constexpr int kYTicks = 5;
// The preferred multiples of a y step; the consumption chart uses the first three.
constexpr quint64 kStepMultiples[5] = { 5, 4, 3, 2, 1 };
constexpr quint8 kStepMultiplesUsed = 3;
// Below this a month has no consumption figure of its own.
constexpr double kNoConsumption = 0.00001;

} // namespace

MoneyChartCell::MoneyChartCell(BarChart& barChart, RPChartView& chartView, const CarInfo* car)
    : m_car(car)
    , m_barChart(&barChart)
    , m_chartView(&chartView)
{ }

MoneyChartCell::~MoneyChartCell()
{
    // The chart may outlive this logic; it must not call into it afterwards.
    if (m_chartView) {
        if (m_chartView->xyDrawDelegate == this)
            m_chartView->xyDrawDelegate = nullptr;
        if (m_chartView->dataDelegate == this)
            m_chartView->dataDelegate = nullptr;
    }
}

const CarInfo* MoneyChartCell::chartedCar() const
{
    return m_car ? m_car : CarManage::sharedCarManage()->mCurrentCarInfo();
}

void MoneyChartCell::initRPChartView()
{
    if (!m_chartView)
        return;
    CTextStyle style = CTextStyle::textStyle();
    style.color = CPColor::lightGrayColor();
    style.fontName = QStringLiteral("ArialRoundedMTBold");
    style.fontSize = 10.0f;
    for (CTextStyle* role :
        { &m_chartView->mTitleTextStyle, &m_chartView->xMajorTickTextStyle, &m_chartView->yMajorTickTextStyle,
            &m_chartView->xAxisTitleStyle, &m_chartView->yAxisTitleStyle })
        *role = style;
    m_chartView->mXYMajorTickColor = QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.8f);
    m_mDyStart = 0;
    m_mDySetOff = 20;
    m_chartView->xyDrawDelegate = this;
    m_chartView->dataDelegate = this;
}

void MoneyChartCell::update()
{
    const CarInfo* car = chartedCar();
    if (!car)
        return;
    m_mxData.clear();
    m_myData.clear();
    m_mxLabelText.clear();
    if (m_barChart)
        m_barChart->title = MainBundle::localizedString("费用图表");

    const qsizetype count = m_dataArray.size();
    const qsizetype first = count - std::min(count, kMostMonths);
    quint32 largestMoney = 0;
    double largestConsumption = 0.0;
    bool missingConsumption = false;
    for (qsizetype i = first; i < count; ++i) {
        const OilReportItem& item = m_dataArray.at(i);
        // Amounts below 0 (a refund a foreign tool wrote) leave the scale to the other months.
        if (item.totalMoney > double(largestMoney))
            largestMoney = quint32(std::min(item.totalMoney, 4294967295.0));
        const double consumption = car->getMPG(item.totalVolumn, item.totalMiles);
        m_myData.append(consumption);
        m_mxLabelText.append(item.getMonthString());
        m_mxData.append(double(i - first + 1));
        largestConsumption = std::max(largestConsumption, consumption);
        missingConsumption = missingConsumption || consumption < kNoConsumption;
    }
    if (missingConsumption) {
        double carried = 0.0;
        for (double& consumption : m_myData) {
            if (consumption >= kNoConsumption)
                carried = consumption;
            else
                consumption = carried;
        }
    }

    if (m_barChart) {
        m_barChart->top = largestMoney;
        m_barChart->dataArray = m_dataArray;
        m_barChart->update();
    }

    while (m_mxLabelText.size() < kXTicks)
        m_mxLabelText.append(QStringLiteral(""));
    m_mDyStart = 0;
    // A step beyond 32 bits (only an absurd consumption needs one) would wrap below zero.
    const qint64 step
        = Utility::ChartYAxisSetOff(largestConsumption, kYTicks, kStepMultiples, kStepMultiplesUsed);
    m_mDySetOff = qint32(std::clamp<qint64>(step, 1, std::numeric_limits<qint32>::max()));

    if (m_chartView) {
        m_chartView->mxLogicValue = m_mxData;
        m_chartView->myLogicValue = m_myData;
        m_chartView->reload();
    }
}

int MoneyChartCell::loadXAxisMajorTickNumberForChartView(ChartView&)
{
    return kXTicks;
}

int MoneyChartCell::loadYAxisMajorTickNumberForChartView(ChartView&)
{
    return kYTicks;
}

bool MoneyChartCell::drawXAxisMajorTick(unsigned, unsigned, ChartView&)
{
    return true;
}

bool MoneyChartCell::drawYAxisMajorTick(unsigned, unsigned, ChartView&)
{
    return true;
}

QString MoneyChartCell::loadTextXMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView&)
{
    xSetoff = -30.0f;
    ySetoff = 40.0f;
    return tick < unsigned(m_mxLabelText.size()) ? m_mxLabelText.at(tick) : QString();
}

QString MoneyChartCell::loadTextYMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView&)
{
    xSetoff = -25.0f;
    ySetoff = -8.0f;
    if (tick == 0)
        return QString();
    return NumberText::stringOfDecimalCount(double(tick) * m_mDySetOff + m_mDyStart, 2);
}

QString MoneyChartCell::loadYAxisTextForChartView(ChartView&, float& atxSetoff, float& andYSetoff)
{
    atxSetoff = -40.0f;
    andYSetoff = -25.0f;
    const CarInfo* car = chartedCar();
    if (!car || !car->unit)
        return QString();
    return car->unit->UnitName;
}

QString MoneyChartCell::loadXAxisTextForChartView(ChartView&, float&, float&)
{
    return QString();
}

QString MoneyChartCell::loadTitleForChartView(ChartView&, float& atxSetoff, float& andYSetoff)
{
    atxSetoff = 0.0f;
    andYSetoff = 0.0f;
    return MainBundle::localizedString("平均油耗");
}

bool MoneyChartCell::isDrawCrossPointLable(unsigned, ChartView&)
{
    return true;
}

std::optional<double> MoneyChartCell::numberForXStartValueInChartView(ChartView&)
{
    return 1.0;
}

std::optional<double> MoneyChartCell::numberForXMajorTickSetOffInChartView(ChartView&)
{
    return 1.0;
}

std::optional<double> MoneyChartCell::numberForYStartValueInChartView(ChartView&)
{
    return double(m_mDyStart);
}

std::optional<double> MoneyChartCell::numberForYMajorTickSetOffInChartView(ChartView&)
{
    return double(m_mDySetOff);
}
