#pragma once

#include "widgets/AccessibleControl.h"

#include <QStringList>
#include <QWidget>

class QVariantAnimation;

// Turning wheels, one per column (component), each a list of row titles: digit wheels for an
// odometer reading, a single wheel for a list such as the fuel grades. The row under the
// middle band is the selected one. A turn by the user (drag, click on a row, mouse wheel,
// arrow keys) reports didSelectRow; selectRow from code reports nothing, as on the phone.
// To assistive technology each wheel is a spin box whose increase and decrease actions turn it
// a row on or back, as the arrow keys do.
class PickerView : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 36;
    static constexpr int kVisibleRows = 5;

    explicit PickerView(QWidget* parent = nullptr);

    // One list of row titles per column; selections are kept where the rows still exist.
    void setComponents(const QList<QStringList>& components);
    int numberOfComponents() const { return int(m_columns.size()); }
    int numberOfRowsInComponent(int component) const;
    QString titleForRow(int row, int component) const;

    int selectedRowInComponent(int component) const;
    void selectRow(int row, int component, bool animated);

    // Where the column is drawn.
    QRect rectForComponent(int component) const;

    QSize sizeHint() const override;

    // The wheels' accessible names, one per column. Without them a single wheel takes the
    // picker's accessible name, and several are numbered after it ("Odometer 1", ...).
    void setComponentNames(const QStringList& names) { m_componentNames = names; }

    Description accessibleDescription() const override;
    void accessibleAction(const QString&) override { }
    int accessiblePartCount() const override { return numberOfComponents(); }
    Description accessiblePart(int component) const override;
    void accessiblePartAction(int component, const QString& action) override;

Q_SIGNALS:
    void didSelectRow(int row, int component);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Column
    {
        QStringList rows;
        int selected = 0;
        // The row drawn in the middle band now; fractional while the wheel moves.
        double position = 0;
        QVariantAnimation* animation = nullptr;
    };

    int componentAt(const QPoint& point) const;
    // Settles the wheel on the row and reports it when it changed by the user's hand.
    void turnTo(int component, int row, bool byUser);
    void animate(int component, double to);
    // Tells a listening screen reader the wheel's new row.
    void announceSelection(int component);

    QList<Column> m_columns;
    QStringList m_componentNames;
    int m_focusColumn = 0;
    int m_dragColumn = -1;
    double m_dragStartPosition = 0;
    int m_dragStartY = 0;
    bool m_dragged = false;
};
