#pragma once

#include "platform/MailComposer.h"
#include "reports/ReportFigures.h"
#include "screens/base/BaseModalViewController.h"
#include "screens/base/BaseModalViewControllerDelegate.h"

#include <QPointer>

#include <functional>
#include <memory>

class CarInfo;
class MoneyChartRow;
class QAction;
class QLabel;
class ReportCell;
class ReportExport;
class ReportTableView;

// The report tab: a car's three whole-period totals, one line per month and, below them, the
// money charts; with no fill-up yet, no lines and a notice. It shows the current car's report
// figures as they are when the tab appears. Its share button offers to write the PDF report and
// hand it to the mail program, or to preview it; the export covers the car on screen.
class ReprotViewController : public BaseModalViewController, public BaseModalViewControllerDelegate
{
    Q_OBJECT

public:
    // The composer takes the report e-mail.
    explicit ReprotViewController(std::unique_ptr<MailComposer> composer, QWidget* parent = nullptr);
    ~ReprotViewController() override;

    // What the screen shows.
    ReportTableView* reportTable() const { return m_reportTable; }
    QLabel* totalMiles() const { return m_totalMiles; }
    QLabel* totalVolumn() const { return m_totalVolumn; }
    QLabel* totalMoney() const { return m_totalMoney; }
    QLabel* noDataLable() const { return m_noDataLable; }
    // The shown month rows and the chart row; none without months.
    QList<ReportCell*> reportCells() const;
    MoneyChartRow* chartRow() const;

    // The share button's choices.
    void doExport();
    void actionSheet(int clickedButtonAtIndex);
    // Writes the report, then hands it to the mail program (process) or previews it.
    void process();
    void processPDFReview();
    void displayFDFComposerSheet(const QString& path);
    void mailComposeController(MailComposer::Result didFinishWithResult, const QString& error);

    // BaseModalViewControllerDelegate: the preview asks to be closed.
    void willDissModalViewController(ViewController* controller) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadData();
    void showFigures();
    void writeReport(std::function<void(const QString& path)> written);
    void offerToSave(const QString& report);
    void saveCopy(const QString& report, const QString& path);

    std::unique_ptr<MailComposer> m_composer;
    ReportTableView* m_reportTable = nullptr;
    QLabel* m_totalMiles = nullptr;
    QLabel* m_totalVolumn = nullptr;
    QLabel* m_totalMoney = nullptr;
    QLabel* m_noDataLable = nullptr;
    QAction* m_shareButton = nullptr;
    // The car on screen and its figures, read when the tab appeared; none when they could
    // not be read.
    const CarInfo* m_car = nullptr;
    std::unique_ptr<ReportFigures> m_reportData;
    // The month rows made so far, reused from one appearance to the next; the chart row.
    QList<ReportCell*> m_cells;
    MoneyChartRow* m_chartRow = nullptr;
    QPointer<ReportExport> m_export;
};
