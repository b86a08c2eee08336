#include "screens/report/ReportCell.h"

#include "widgets/Palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {

QLabel* makeLabel(QWidget* parent, Qt::Alignment alignment, Palette::Colour colour)
{
    auto* label = new QLabel(parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Palette::colour(colour));
    label->setPalette(palette);
    return label;
}

} // namespace

ReportCell::ReportCell(QWidget* parent)
    : QWidget(parent)
    , m_month(makeLabel(this, Qt::AlignLeft, Palette::Colour::Text))
    , m_miles(makeLabel(this, Qt::AlignRight, Palette::Colour::SecondaryText))
    , m_money(makeLabel(this, Qt::AlignRight, Palette::Colour::Text))
    , m_volumn(makeLabel(this, Qt::AlignRight, Palette::Colour::SecondaryText))
{
    setFixedHeight(kHeight);
    QFont bold = Palette::font(Palette::Font::Body);
    bold.setBold(true);
    m_month->setFont(bold);
    m_money->setFont(bold);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 0, 14, 0);
    layout->setSpacing(8);
    for (QLabel* label : columns())
        layout->addWidget(label, 1);
}

QList<int> ReportCell::textWidths() const
{
    QList<int> widths;
    for (const QLabel* label : columns())
        widths << label->sizeHint().width();
    return widths;
}

void ReportCell::setLeastColumnWidths(const QList<int>& widths)
{
    const QList<QLabel*> labels = columns();
    for (qsizetype i = 0; i < labels.size() && i < widths.size(); ++i)
        labels.at(i)->setMinimumWidth(widths.at(i));
}

void ReportCell::setItem(const OilReportItem& item, const ReportFigures::MonthTexts& texts)
{
    m_item = item;
    m_month->setText(texts.month);
    m_miles->setText(texts.miles);
    m_volumn->setText(texts.volumn);
    m_money->setText(texts.money);
}

QString ReportCell::month() const
{
    return m_month->text();
}

QString ReportCell::miles() const
{
    return m_miles->text();
}

QString ReportCell::volumn() const
{
    return m_volumn->text();
}

QString ReportCell::money() const
{
    return m_money->text();
}

void ReportCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::colour(Palette::Colour::Surface));
    painter.fillRect(QRect(14, height() - 1, width() - 14, 1), Palette::colour(Palette::Colour::Separator));
}
