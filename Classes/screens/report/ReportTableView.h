#pragma once

#include "widgets/AccessibleControl.h"

#include <QScrollArea>

class QVBoxLayout;

// The report tab's scrolling list of rows, one column at most as wide as reads well, centred
// in a wide window. The arrow and page keys scroll it; a screen reader finds it as a list that
// pages up and down.
class ReportTableView : public QScrollArea, public AccessibleControl
{
    Q_OBJECT

public:
    static constexpr int kMaximumColumnWidth = 640;

    explicit ReportTableView(QWidget* parent = nullptr);

    // The rows, top to bottom; the table lays them out.
    QVBoxLayout* rows() const { return m_rows; }

    Description accessibleDescription() const override;
    void accessibleAction(const QString& action) override;

private:
    QVBoxLayout* m_rows;
};
