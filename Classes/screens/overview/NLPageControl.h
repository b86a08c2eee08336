#pragma once

#include "widgets/AccessibleControl.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

// The overview's page indicator: one dot per page in a centred row, the current one in full
// green, the others faint. A tap right of the current dot moves on one page, a tap left of it
// back one; either way the control then tells valueChanged. A screen reader sees one tab per
// page, named after the page, and picks a page by pressing its tab.
class NLPageControl : public QWidget, public AccessibleControl
{
    Q_OBJECT

public:
    explicit NLPageControl(QWidget* parent = nullptr);

    int numberOfPages() const { return m_numberOfPages; }
    void setNumberOfPages(int pages);
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    void updateCurrentPageDisplay();

    // What a screen reader calls each page, in page order.
    void setPageNames(const QStringList& names) { m_pageNames = names; }

    // The dot of that page: 6 by 6 on a pitch of 8, the row centred; empty for no page.
    QRect rectForNumberOfPages(int index) const;

    QColor roundColor = QColor(1, 190, 78, 51);
    QColor mCurrentRoundColor = QColor(1, 190, 78);

    Description accessibleDescription() const override;
    void accessibleAction(const QString&) override { }
    int accessiblePartCount() const override { return m_numberOfPages; }
    Description accessiblePart(int index) const override;
    void accessiblePartAction(int index, const QString& action) override;

Q_SIGNALS:
    void valueChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_numberOfPages = 0;
    int m_currentPage = 0;
    QStringList m_pageNames;
};
