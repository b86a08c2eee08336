#pragma once

#include "screens/base/BaseModalViewController.h"

#include <memory>

class CarInfo;
class HistoryOilModel;
class HistoryTableView;
class QLabel;
class QModelIndex;
class UrlHandler;

// The history tab: the current car's fill-ups of the statistics period, one section per month
// under the month's cost per distance, rebuilt each time the tab appears. A tap or Enter opens
// a fill-up's detail; the arrow keys move through the fill-ups; Delete asks to delete one.
class HistoryOilViewController : public BaseModalViewController
{
    Q_OBJECT

public:
    // A fill-up's position is shown on a map through the handler.
    explicit HistoryOilViewController(std::shared_ptr<UrlHandler> urlHandler, QWidget* parent = nullptr);

    static CarInfo* currentCarInfo();

    // Reads the list afresh and hides the busy indicator; the current fill-up stays current.
    // A log that cannot be read is said so in an alert, never shown as an empty one.
    void loadAddOilHistoryData();

    HistoryOilModel* dataSource() const { return m_dataSource; }
    HistoryTableView* historyTable() const { return m_historyTable; }
    QLabel* noDataLable() const { return m_noDataLable; }

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void didSelectRow(const QModelIndex& index);
    void askToDelete(const QModelIndex& index);

    std::shared_ptr<UrlHandler> m_urlHandler;
    HistoryOilModel* m_dataSource;
    HistoryTableView* m_historyTable = nullptr;
    QLabel* m_noDataLable = nullptr;
};
