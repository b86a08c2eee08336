#pragma once

#include <QAbstractButton>

// One row of a TableView that the user taps. A click, Space or Enter presses it; the up and down
// keys move to the row above or below. It shows being held down and having the keyboard, and a
// row that opens something further shows a disclosure chevron at its right end. A screen reader
// finds it as a button named after its caption (setAccessibleName), its shown value as the
// description. Subclasses paint their content.
class TableViewCell : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TableViewCell(int height, QWidget* parent = nullptr);

    void setShowsDisclosureIndicator(bool shows);
    // A row standing on its own (not in a TableView's group) draws its own white card.
    void setDrawsCard(bool draws);

protected:
    // Where the content goes: inside the row's padding, left of the chevron.
    QRect contentRect() const;
    virtual void paintContent(QPainter& painter, const QRect& area) = 0;
    // The pressed shade and the keyboard's frame, over whatever the row shows.
    void paintStates(QPainter& painter, const QRectF& shape, qreal radius);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_showsDisclosure = false;
    bool m_drawsCard = false;
};
