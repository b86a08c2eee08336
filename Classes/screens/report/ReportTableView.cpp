#include "screens/report/ReportTableView.h"

#include "platform/MainBundle.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

ReportTableView::ReportTableView(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::StrongFocus);
    auto* content = new QWidget;
    auto* centring = new QHBoxLayout(content);
    centring->setContentsMargins(0, 0, 0, 0);
    auto* column = new QWidget(content);
    column->setMaximumWidth(kMaximumColumnWidth);
    // The column grows up to its width; what is left goes to both sides alike.
    centring->addStretch(0);
    centring->addWidget(column, 1);
    centring->addStretch(0);
    m_rows = new QVBoxLayout(column);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    m_rows->addStretch(1);
    setWidget(content);
}

AccessibleControl::Description ReportTableView::accessibleDescription() const
{
    Description list;
    list.role = QAccessible::List;
    list.name = MainBundle::localizedString("每月报表");
    list.actions
        = { QAccessibleActionInterface::previousPageAction(), QAccessibleActionInterface::nextPageAction() };
    return list;
}

void ReportTableView::accessibleAction(const QString& action)
{
    const bool forward = action == QAccessibleActionInterface::nextPageAction();
    verticalScrollBar()->triggerAction(
        forward ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
}
