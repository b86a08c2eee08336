#include "widgets/PickerView.h"

#include "widgets/Palette.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace {

const int kColumnPadding = 24;
const int kDragThreshold = 4;

} // namespace

PickerView::PickerView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(Palette::font(Palette::Font::Wheel));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::OpenHandCursor);
}

void PickerView::setComponents(const QList<QStringList>& components)
{
    const QList<Column> old = m_columns;
    for (const Column& column : old)
        delete column.animation;
    m_columns.clear();
    for (qsizetype i = 0; i < components.size(); ++i) {
        Column column;
        column.rows = components.at(i);
        if (i < old.size() && old.at(i).selected < column.rows.size())
            column.selected = old.at(i).selected;
        column.position = column.selected;
        m_columns.append(column);
    }
    m_focusColumn = qBound(0, m_focusColumn, qMax(0, numberOfComponents() - 1));
    updateGeometry();
    update();
}

int PickerView::numberOfRowsInComponent(int component) const
{
    return component >= 0 && component < m_columns.size() ? int(m_columns.at(component).rows.size()) : 0;
}

QString PickerView::titleForRow(int row, int component) const
{
    if (row < 0 || row >= numberOfRowsInComponent(component))
        return QString();
    return m_columns.at(component).rows.at(row);
}

int PickerView::selectedRowInComponent(int component) const
{
    return component >= 0 && component < m_columns.size() ? m_columns.at(component).selected : -1;
}

void PickerView::selectRow(int row, int component, bool animated)
{
    if (row < 0 || row >= numberOfRowsInComponent(component))
        return;
    Column& column = m_columns[component];
    column.selected = row;
    announceSelection(component);
    if (animated && isVisible()) {
        animate(component, row);
    } else {
        if (column.animation)
            column.animation->stop();
        column.position = row;
        update();
    }
}

QSize PickerView::sizeHint() const
{
    int width = 0;
    for (const Column& column : m_columns) {
        int widest = 0;
        for (const QString& row : column.rows)
            widest = qMax(widest, fontMetrics().horizontalAdvance(row));
        width += widest + 2 * kColumnPadding;
    }
    return QSize(qMax(width, 200), kRowHeight * kVisibleRows + 8);
}

QRect PickerView::rectForComponent(int component) const
{
    if (component < 0 || component >= m_columns.size())
        return QRect();
    // Columns share the width in proportion to their widest title.
    QList<int> widths;
    int total = 0;
    for (const Column& column : m_columns) {
        int widest = fontMetrics().horizontalAdvance(QStringLiteral("00"));
        for (const QString& row : column.rows)
            widest = qMax(widest, fontMetrics().horizontalAdvance(row));
        widths.append(widest + 2 * kColumnPadding);
        total += widths.last();
    }
    const QRect area = rect().adjusted(8, 0, -8, 0);
    int x = area.left();
    for (int i = 0; i < component; ++i)
        x += area.width() * widths.at(i) / qMax(1, total);
    const int width = area.width() * widths.at(component) / qMax(1, total);
    return QRect(x, 0, width, height());
}

int PickerView::componentAt(const QPoint& point) const
{
    for (int i = 0; i < numberOfComponents(); ++i) {
        if (rectForComponent(i).contains(point))
            return i;
    }
    return -1;
}

void PickerView::turnTo(int component, int row, bool byUser)
{
    const int rows = numberOfRowsInComponent(component);
    if (rows == 0)
        return;
    row = qBound(0, row, rows - 1);
    const bool changed = row != m_columns.at(component).selected;
    m_columns[component].selected = row;
    announceSelection(component);
    animate(component, row);
    if (changed && byUser)
        Q_EMIT didSelectRow(row, component);
}

void PickerView::animate(int component, double to)
{
    Column& column = m_columns[component];
    if (!column.animation) {
        column.animation = new QVariantAnimation(this);
        column.animation->setDuration(180);
        column.animation->setEasingCurve(QEasingCurve::OutCubic);
        connect(column.animation, &QVariantAnimation::valueChanged, this,
            [this, component](const QVariant& value) {
                if (component < m_columns.size()) {
                    m_columns[component].position = value.toDouble();
                    update();
                }
            });
    }
    column.animation->stop();
    column.animation->setStartValue(column.position);
    column.animation->setEndValue(to);
    column.animation->start();
}

AccessibleControl::Description PickerView::accessibleDescription() const
{
    Description wheels;
    wheels.role = QAccessible::Grouping;
    return wheels;
}

AccessibleControl::Description PickerView::accessiblePart(int component) const
{
    Description wheel;
    wheel.role = QAccessible::SpinBox;
    if (component < m_componentNames.size())
        wheel.name = m_componentNames.at(component);
    else if (numberOfComponents() == 1 || accessibleName().isEmpty())
        wheel.name = accessibleName();
    else
        wheel.name = accessibleName() + QLatin1Char(' ') + QString::number(component + 1);
    wheel.value = titleForRow(selectedRowInComponent(component), component);
    wheel.rect = rectForComponent(component);
    if (isEnabled())
        wheel.actions
            = { QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction() };
    return wheel;
}

void PickerView::accessiblePartAction(int component, const QString& action)
{
    const int step = action == QAccessibleActionInterface::increaseAction() ? 1 : -1;
    m_focusColumn = component;
    turnTo(component, selectedRowInComponent(component) + step, true);
}

void PickerView::announceSelection(int component)
{
    // The wheel's interface is made only for a listening screen reader.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* wheels = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* wheel
        = wheels ? wheels->child(wheels->childCount() - numberOfComponents() + component) : nullptr;
    if (!wheel)
        return;
    QAccessibleValueChangeEvent changed(wheel, titleForRow(selectedRowInComponent(component), component));
    QAccessible::updateAccessibility(&changed);
}

void PickerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor surface = Palette::colour(Palette::Colour::Surface);
    const QColor accent = Palette::colour(Palette::Colour::Accent);
    painter.fillRect(rect(), surface);
    const double middle = height() / 2.0;
    const QRectF band(4, middle - kRowHeight / 2.0, width() - 8, kRowHeight);
    QColor bandFill = accent;
    bandFill.setAlpha(40);
    painter.setPen(Palette::colour(Palette::Colour::AccentEdge));
    painter.setBrush(bandFill);
    painter.drawRoundedRect(band, 6, 6);

    for (int c = 0; c < numberOfComponents(); ++c) {
        const Column& column = m_columns.at(c);
        const QRect area = rectForComponent(c);
        if (hasFocus() && c == m_focusColumn) {
            painter.setPen(QPen(accent, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(
                QRectF(area.left() + 2, band.top() + 2, area.width() - 4, band.height() - 4), 5, 5);
        }
        const int first = qMax(0, int(std::floor(column.position - kVisibleRows / 2.0 - 1)));
        const int last
            = qMin(int(column.rows.size()) - 1, int(std::ceil(column.position + kVisibleRows / 2.0 + 1)));
        for (int row = first; row <= last; ++row) {
            const double distance = row - column.position;
            const double y = middle + distance * kRowHeight;
            const double fade = qBound(0.0, 1.0 - std::abs(distance) / (kVisibleRows / 2.0 + 0.5), 1.0);
            QColor colour = Palette::colour(
                std::abs(distance) < 0.5 ? Palette::Colour::Text : Palette::Colour::SecondaryText);
            colour.setAlphaF(0.25 + 0.75 * fade);
            painter.setPen(colour);
            painter.drawText(QRectF(area.left(), y - kRowHeight / 2.0, area.width(), kRowHeight),
                Qt::AlignCenter, column.rows.at(row));
        }
    }
    // The wheel's curve: rows fade into the edges.
    QLinearGradient shade(0, 0, 0, height());
    QColor edge = surface;
    edge.setAlpha(230);
    QColor clear = surface;
    clear.setAlpha(0);
    shade.setColorAt(0, edge);
    shade.setColorAt(0.3, clear);
    shade.setColorAt(0.7, clear);
    shade.setColorAt(1, edge);
    painter.fillRect(rect(), shade);
    painter.setPen(Palette::colour(Palette::Colour::Separator));
    painter.drawLine(0, 0, width(), 0);
}

void PickerView::mousePressEvent(QMouseEvent* event)
{
    m_dragColumn = componentAt(event->position().toPoint());
    if (m_dragColumn < 0)
        return;
    m_focusColumn = m_dragColumn;
    Column& column = m_columns[m_dragColumn];
    if (column.animation)
        column.animation->stop();
    m_dragStartPosition = column.position;
    m_dragStartY = event->position().toPoint().y();
    m_dragged = false;
    setCursor(Qt::ClosedHandCursor);
}

void PickerView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragColumn < 0)
        return;
    const int dy = event->position().toPoint().y() - m_dragStartY;
    m_dragged = m_dragged || std::abs(dy) > kDragThreshold;
    if (!m_dragged)
        return;
    Column& column = m_columns[m_dragColumn];
    column.position = qBound(-0.5, m_dragStartPosition - double(dy) / kRowHeight, column.rows.size() - 0.5);
    update();
}

void PickerView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragColumn < 0)
        return;
    const int component = m_dragColumn;
    m_dragColumn = -1;
    setCursor(Qt::OpenHandCursor);
    const Column& column = m_columns.at(component);
    if (m_dragged) {
        turnTo(component, int(std::lround(column.position)), true);
    } else {
        // A click on a row above or below the band turns the wheel to it, counted from the row
        // the wheel is settling on.
        const double offset = (event->position().y() - height() / 2.0) / kRowHeight;
        turnTo(component, column.selected + int(std::lround(offset)), true);
    }
}

void PickerView::wheelEvent(QWheelEvent* event)
{
    const int component = componentAt(event->position().toPoint());
    const int steps = event->angleDelta().y() / 120;
    if (component < 0 || steps == 0) {
        event->ignore();
        return;
    }
    m_focusColumn = component;
    turnTo(component, m_columns.at(component).selected - steps, true);
    event->accept();
}

void PickerView::keyPressEvent(QKeyEvent* event)
{
    if (m_columns.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int selected = m_columns.at(m_focusColumn).selected;
    switch (event->key()) {
    case Qt::Key_Up:
        turnTo(m_focusColumn, selected - 1, true);
        break;
    case Qt::Key_Down:
        turnTo(m_focusColumn, selected + 1, true);
        break;
    case Qt::Key_Left:
        m_focusColumn = qMax(0, m_focusColumn - 1);
        update();
        break;
    case Qt::Key_Right:
        m_focusColumn = qMin(numberOfComponents() - 1, m_focusColumn + 1);
        update();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
