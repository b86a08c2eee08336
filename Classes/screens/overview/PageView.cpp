#include "screens/overview/PageView.h"

#include "charts/BackgroundButton.h"
#include "charts/CPColor.h"
#include "charts/ChartView.h"
#include "platform/MainBundle.h"
#include "screens/overview/MFCell.h"
#include "screens/overview/MHCell.h"
#include "screens/overview/PageViewDelegate.h"
#include "store/CarInfo.h"
#include "store/Unit.h"

#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int kYTicks = 5;
// The content's widest; wider pages centre it.
constexpr int kContentWidth = 720;
constexpr int kChartMinimumHeight = 150;
constexpr int kChartMaximumHeight = 360;
constexpr int kButtonHeight = 44;
constexpr int kMargin = 10;

} // namespace

PageView::PageView(QWidget* parent)
    : QWidget(parent)
    , m_chartView(new ChartView)
    , m_summary(new MFCell)
    , m_latest(new MHCell)
    , m_button(new BackgroundButton(MainBundle::localizedString("添加加油记录")))
{
    m_chartView->setAccessibleName(MainBundle::localizedString("最近加油信息"));
    m_chartView->setMinimumHeight(kChartMinimumHeight);
    m_chartView->setMaximumHeight(kChartMaximumHeight);
    m_button->setFixedHeight(kButtonHeight);
    m_button->setCursor(Qt::PointingHandCursor);
    connect(m_button, &QPushButton::clicked, this, &PageView::onAddOil);
    connect(m_summary, &MFCell::clicked, this, [this] {
        if (mpDelegate)
            mpDelegate->PageViewToReport(this);
    });
    connect(m_latest, &MHCell::clicked, this, [this] {
        if (mpDelegate)
            mpDelegate->PageViewToHistory(this);
    });

    m_content = new QWidget(this);
    auto* column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(m_chartView, 1);
    // The table's section header: a blank band of 8.
    column->addSpacing(8);
    column->addWidget(m_summary);
    column->addWidget(m_latest);
    column->addSpacing(6);
    column->addWidget(m_button);
    common();
}

PageView::~PageView()
{
    m_chartView->xyDrawDelegate = nullptr;
    m_chartView->dataDelegate = nullptr;
}

// The content keeps to its widest and its chart to its tallest, centred in the page; a low page
// shrinks the chart first.
void PageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int lowest = m_content->minimumSizeHint().height();
    const int height
        = std::max(lowest, std::min(area.height(), lowest + kChartMaximumHeight - kChartMinimumHeight));
    const int width = std::min(area.width(), kContentWidth);
    m_content->setGeometry(area.x() + (area.width() - width) / 2,
        area.y() + std::max(0, (area.height() - height) / 2), width, height);
}

void PageView::common()
{
    m_chartView->xAnchorWidth = 0;
    m_chartView->yAnchorHeight = 0;
    CTextStyle style = CTextStyle::textStyle();
    style.color = CPColor::whiteColor();
    style.fontName = QStringLiteral("ArialRoundedMTBold");
    for (CTextStyle* role :
        { &m_chartView->mTitleTextStyle, &m_chartView->xMajorTickTextStyle, &m_chartView->yMajorTickTextStyle,
            &m_chartView->xAxisTitleStyle, &m_chartView->yAxisTitleStyle })
        *role = style;
    m_mDyStart = 0;
    m_chartView->xyDrawDelegate = this;
    m_chartView->dataDelegate = this;
}

bool PageView::updateAddOilInfo()
{
    m_figures = m_car ? OverviewFigures(*m_car) : OverviewFigures();
    const bool read = m_figures.read();
    m_mxData.clear();
    m_myData.clear();
    for (const Oil& oil : m_figures.lastFillUps()) {
        m_mxData.append(double(m_mxData.size() + 1));
        m_myData.append(oil.oilVolumn);
    }
    // Only an absurd volume needs a step beyond 32 bits.
    m_mDySetOff = int(std::clamp<qint64>(m_figures.yStep(), 1, std::numeric_limits<int>::max()));
    m_chartView->marginRight = m_figures.chartRightMargin();
    m_chartView->mxLogicValue = m_mxData;
    m_chartView->myLogicValue = m_myData;
    m_chartView->reload();
    m_summary->update(m_figures);
    m_latest->update(m_figures);
    setAccessibleName(m_car ? m_car->mCarName : MainBundle::localizedString("尚无车辆"));
    // A fill-up needs a car to belong to.
    m_button->setEnabled(m_car != nullptr);
    return read;
}

void PageView::onAddOil()
{
    if (mpDelegate)
        mpDelegate->PageViewOfAddOil(this);
}

int PageView::loadYAxisMajorTickNumberForChartView(ChartView&)
{
    return kYTicks;
}

int PageView::loadXAxisMajorTickNumberForChartView(ChartView&)
{
    return int(xLables().size());
}

QString PageView::loadTextYMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView&)
{
    xSetoff = 2.0f;
    ySetoff = 0.0f;
    return m_figures.yLable(tick);
}

QString PageView::loadTextXMajorTick(unsigned tick, float&, float&, ChartView&)
{
    return tick < unsigned(xLables().size()) ? xLables().at(tick) : QString();
}

QString PageView::loadYAxisTextForChartView(ChartView&, float&, float& andYSetoff)
{
    andYSetoff = -20.0f;
    return m_car ? Unit::orNone(m_car->unit).VolumnUnit : QString();
}

QString PageView::loadXAxisTextForChartView(ChartView&, float&, float&)
{
    return QString();
}

QString PageView::loadTitleForChartView(ChartView&, float&, float&)
{
    return MainBundle::localizedString("最近加油信息");
}

bool PageView::drawYAxisMajorTick(unsigned, unsigned, ChartView&)
{
    return true;
}

// With the origin at the bottom right, the last x tick line would lie on the y axis.
bool PageView::drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView)
{
    return !(inChartView.mOriginType == 1 && tick + 1 == allMajorTick);
}

bool PageView::isDrawCrossPointLable(unsigned, ChartView&)
{
    return true;
}

std::optional<double> PageView::numberForYMajorTickSetOffInChartView(ChartView&)
{
    return m_mDySetOff;
}

std::optional<double> PageView::numberForXMajorTickSetOffInChartView(ChartView&)
{
    return 1.0;
}

std::optional<double> PageView::numberForYStartValueInChartView(ChartView&)
{
    return m_mDyStart;
}

std::optional<double> PageView::numberForXStartValueInChartView(ChartView&)
{
    return 1.0;
}
