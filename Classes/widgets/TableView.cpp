#include "widgets/TableView.h"

#include "widgets/Palette.h"

#include <QBoxLayout>
#include <QPainter>

namespace {

// The card behind a grouped section's rows, with a hairline under every row but the last.
class SectionCard : public QWidget
{
public:
    explicit SectionCard(bool grouped)
        : m_grouped(grouped)
    {
        auto* rows = new QVBoxLayout(this);
        rows->setContentsMargins(0, 0, 0, 0);
        rows->setSpacing(0);
    }

    void addRow(QWidget* row) { static_cast<QVBoxLayout*>(layout())->addWidget(row); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_grouped)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor separator = Palette::colour(Palette::Colour::Separator);
        painter.setPen(separator);
        painter.setBrush(Palette::colour(Palette::Colour::Surface));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
        const QLayout* rows = layout();
        for (int i = 0; i + 1 < rows->count(); ++i) {
            const QRect row = rows->itemAt(i)->geometry();
            painter.drawLine(
                QPointF(row.left() + 12, row.bottom() + 0.5), QPointF(row.right(), row.bottom() + 0.5));
        }
    }

private:
    bool m_grouped;
};

} // namespace

TableView::TableView(int sectionSpacing, QWidget* parent)
    : QScrollArea(parent)
    , m_spacing(sectionSpacing)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rows take the keyboard; the list itself only scrolls to them.
    setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    // The screen's background shows through.
    content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    auto* centred = new QHBoxLayout(content);
    centred->setContentsMargins(10, 0, 10, 0);
    auto* column = new QWidget(content);
    column->setMaximumWidth(kColumnWidth);
    m_sections = new QVBoxLayout(column);
    m_sections->setContentsMargins(0, 0, 0, 0);
    m_sections->setSpacing(0);
    m_sections->addStretch();
    // The column takes nearly all the width until it is as wide as it may be; the margins share
    // what is left.
    centred->addStretch(1);
    centred->addWidget(column, 1000);
    centred->addStretch(1);
    setWidget(content);
}

void TableView::addSection(const QList<QWidget*>& rows, bool grouped)
{
    auto* card = new SectionCard(grouped);
    for (QWidget* row : rows)
        card->addRow(row);
    // Before the closing stretch; the spacing stands for the header above and footer below.
    const int end = m_sections->count() - 1;
    m_sections->insertSpacing(end, m_spacing);
    m_sections->insertWidget(end + 1, card);
    m_sections->insertSpacing(end + 2, m_spacing);
}
