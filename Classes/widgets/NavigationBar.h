#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class NavigationItem;
class QLabel;
class QToolButton;

// The bar across the top of a navigation controller: the shown screen's title in the middle,
// its left button or else a back button, and its right button.
class NavigationBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit NavigationBar(QWidget* parent = nullptr);

    // Shows this item from now on, following its changes.
    void setItem(NavigationItem* item, bool showsBackButton);
    // Paints the bar in shades of that colour instead of the palette's bar colours; an invalid
    // colour goes back to those.
    void setTintColor(const QColor& colour);

    QString title() const;
    // The buttons as shown; null when there is none. Tests press them like a user.
    QToolButton* backButton() const;
    QToolButton* leftButton() const;
    QToolButton* rightButton() const;

Q_SIGNALS:
    void backRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void placeChildren();

    QPointer<NavigationItem> m_item;
    bool m_showsBackButton = false;
    QColor m_tint;
    QToolButton* m_back;
    QToolButton* m_left;
    QToolButton* m_right;
    QLabel* m_title;
};
