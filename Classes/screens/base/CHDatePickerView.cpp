#include "screens/base/CHDatePickerView.h"

#include "reports/DateEx.h"
#include "screens/base/TopHelpView.h"

CHDatePickerView::CHDatePickerView(QWidget* parent)
    : DatePicker(parent)
    , m_helpView(new TopHelpView(this))
{
    m_helpView->setActionDelegate(this);
    m_helpView->hide();
}

CHDatePickerView::~CHDatePickerView()
{
    // Added to the parent, the bar is not the picker's child: it goes with the picker all the same.
    if (isHelpViewAdded())
        delete m_helpView.data();
}

void CHDatePickerView::AddHelpView()
{
    if (!parentWidget() || isHelpViewAdded())
        return;
    m_helpView->setParent(parentWidget());
    updateHelpViewFrame();
    m_helpView->setVisible(isVisibleTo(parentWidget()));
    m_helpView->raise();
}

void CHDatePickerView::RemoveHelpView()
{
    if (!isHelpViewAdded())
        return;
    m_helpView->hide();
    m_helpView->setParent(this);
}

void CHDatePickerView::updateHelpViewFrame()
{
    if (isHelpViewAdded())
        m_helpView->setGeometry(x(), y() - m_helpView->height(), width(), m_helpView->height());
}

void CHDatePickerView::viewActionButton(QAbstractButton*, int index)
{
    switch (index) {
    case TopHelpView::YearBack:
        setDate(DateEx::addTimeIntervalOfYear(date(), -1), true);
        break;
    case TopHelpView::YearOn:
        setDate(DateEx::addTimeIntervalOfYear(date(), 1), true);
        break;
    case TopHelpView::MonthBack:
        setDate(DateEx::addTimeIntervalOfMonth(date(), -1), true);
        break;
    case TopHelpView::MonthOn:
        setDate(DateEx::addTimeIntervalOfMonth(date(), 1), true);
        break;
    default:
        return;
    }
    Q_EMIT valueChanged();
}

void CHDatePickerView::moveEvent(QMoveEvent* event)
{
    DatePicker::moveEvent(event);
    updateHelpViewFrame();
}

void CHDatePickerView::resizeEvent(QResizeEvent* event)
{
    DatePicker::resizeEvent(event);
    updateHelpViewFrame();
}

void CHDatePickerView::showEvent(QShowEvent* event)
{
    DatePicker::showEvent(event);
    if (isHelpViewAdded()) {
        updateHelpViewFrame();
        m_helpView->show();
        m_helpView->raise();
    }
}

void CHDatePickerView::hideEvent(QHideEvent* event)
{
    DatePicker::hideEvent(event);
    if (isHelpViewAdded())
        m_helpView->hide();
}

bool CHDatePickerView::isHelpViewAdded() const
{
    return m_helpView && m_helpView->parentWidget() != this;
}
