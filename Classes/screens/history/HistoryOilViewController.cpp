#include "screens/history/HistoryOilViewController.h"

#include "platform/MainBundle.h"
#include "reports/HistoryOilModel.h"
#include "screens/history/HistoryDetailController.h"
#include "screens/history/HistoryTableView.h"
#include "screens/history/MHOCell.h"
#include "screens/history/OilDeletion.h"
#include "store/CarManage.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/TabBarController.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

// Wider rows would only spread a row's figures apart.
constexpr int kListWidth = 720;

} // namespace

HistoryOilViewController::HistoryOilViewController(std::shared_ptr<UrlHandler> urlHandler, QWidget* parent)
    : BaseModalViewController(parent)
    , m_urlHandler(std::move(urlHandler))
    , m_dataSource(new HistoryOilModel(this))
{
    setTitle(MainBundle::localizedString("历史记录"));
}

CarInfo* HistoryOilViewController::currentCarInfo()
{
    return CarManage::sharedCarManage()->mCurrentCarInfo();
}

void HistoryOilViewController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    m_historyTable = new HistoryTableView(this);
    m_historyTable->setAccessibleName(title());
    m_historyTable->setModel(m_dataSource);
    m_historyTable->setItemDelegate(new MHOCell(m_historyTable));
    m_historyTable->setMaximumWidth(kListWidth);
    connect(m_historyTable, &QTreeView::clicked, this, &HistoryOilViewController::didSelectRow);

    m_noDataLable = new QLabel(MainBundle::localizedString("尚无录入加油数据"), this);
    m_noDataLable->setObjectName(QStringLiteral("caption"));
    m_noDataLable->setAlignment(Qt::AlignCenter);
    m_noDataLable->setWordWrap(true);
    m_noDataLable->hide();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_noDataLable);
    row->addWidget(m_historyTable);
}

void HistoryOilViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    showActive();
    m_noDataLable->hide();
    // After this event, so that the busy indicator shows while the log is read.
    QTimer::singleShot(0, this, &HistoryOilViewController::loadAddOilHistoryData);
    if (TabBarController* tabs = tabBarController()) {
        NavigationItem* item = tabs->navigationItem();
        item->setTitle(MainBundle::localizedString("历史记录"));
        item->setLeftBarButtonItem(nullptr);
        item->setRightBarButtonItem(nullptr);
    }
}

void HistoryOilViewController::loadAddOilHistoryData()
{
    const Oil* current = m_dataSource->oil(m_historyTable->currentIndex());
    const double currentID = current ? current->oilID : 0;
    const CarInfo* car = currentCarInfo();
    const bool read = car && m_dataSource->read(*car);
    m_historyTable->expandAll();
    m_noDataLable->setVisible(read && m_dataSource->sectionCount() == 0);
    m_historyTable->setVisible(!m_noDataLable->isVisible());
    // The current fill-up again, else the first, so that the arrow keys start from a fill-up.
    QModelIndex again = m_dataSource->indexOfOil(currentID);
    if (!again.isValid() && m_dataSource->sectionCount() > 0)
        again = m_dataSource->index(0, 0, m_dataSource->index(0, 0));
    if (again.isValid()) {
        m_historyTable->setCurrentIndex(again);
        m_historyTable->scrollTo(again);
    }
    if (isAppearing())
        m_historyTable->setFocus(Qt::OtherFocusReason);
    hideActive();
    if (car && !read)
        AlertView::showError(m_dataSource->errorString());
}

void HistoryOilViewController::didSelectRow(const QModelIndex& index)
{
    const Oil* oil = m_dataSource->oil(index);
    NavigationController* navigation = navigationController();
    if (!oil || !navigation)
        return;
    auto* detail = new HistoryDetailController(m_urlHandler);
    detail->setOil(*oil, currentCarInfo());
    navigation->pushViewController(detail, true);
}

void HistoryOilViewController::askToDelete(const QModelIndex& index)
{
    const Oil* oil = m_dataSource->oil(index);
    if (!oil)
        return;
    // Once it is gone, the fill-up after it (or else before it) is the current one.
    QModelIndex neighbour = index;
    for (const bool down : { true, false }) {
        neighbour = index;
        do
            neighbour = down ? m_historyTable->indexBelow(neighbour) : m_historyTable->indexAbove(neighbour);
        while (neighbour.isValid() && !m_dataSource->oil(neighbour));
        if (neighbour.isValid())
            break;
    }
    OilDeletion::ask(*oil, this, [this, neighbour = QPersistentModelIndex(neighbour)] {
        if (neighbour.isValid())
            m_historyTable->setCurrentIndex(neighbour);
        loadAddOilHistoryData();
    });
}

void HistoryOilViewController::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        didSelectRow(m_historyTable->currentIndex());
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        askToDelete(m_historyTable->currentIndex());
        return;
    default:
        BaseModalViewController::keyPressEvent(event);
    }
}
