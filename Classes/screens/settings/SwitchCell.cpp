#include "screens/settings/SwitchCell.h"

#include "widgets/Switch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

SwitchCell::SwitchCell(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_switch(new Switch(this))
    , mLable(new QLabel(caption, this))
{
    setFixedHeight(kHeight);
    m_switch->setAccessibleName(caption);
    mLable->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 10, 0);
    row->addWidget(mLable, 1);
    row->addWidget(m_switch);
}

void SwitchCell::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void SwitchCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_switch->click();
}
