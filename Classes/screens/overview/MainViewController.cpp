#include "screens/overview/MainViewController.h"

#include "platform/MainBundle.h"
#include "screens/carinfo/SCarInfoViewController.h"
#include "screens/entry/AddOilViewController.h"
#include "screens/overview/NLPageControl.h"
#include "screens/overview/PageView.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/PagingScrollView.h"
#include "widgets/TabBarController.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kPageControlHeight = 30;

} // namespace

MainViewController::MainViewController(QWidget* parent)
    : BaseModalViewController(parent)
{
    setTitle(MainBundle::localizedString("油耗概述"));
}

MainViewController::~MainViewController() = default;

void MainViewController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    mScrollView = new PagingScrollView(this);
    connect(mScrollView, &PagingScrollView::didScroll, this, &MainViewController::scrollViewDidScroll);
    mPageController = new NLPageControl(this);
    mPageController->setFixedHeight(kPageControlHeight);
    connect(mPageController, &NLPageControl::valueChanged, this, &MainViewController::changePage);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mScrollView, 1);
    layout->addWidget(mPageController);

    // The car information of the car shown. Without a car the button is disabled, its image
    // faint (the style's own disabled image of a white picture looks no different).
    const QPixmap vehicle = QPixmap::fromImage(MainBundle::imageNamed(QStringLiteral("vehicle.png")));
    QPixmap faint(vehicle.size());
    faint.fill(Qt::transparent);
    QPainter painter(&faint);
    painter.setOpacity(0.35);
    painter.drawPixmap(0, 0, vehicle);
    painter.end();
    QIcon icon(vehicle);
    icon.addPixmap(faint, QIcon::Disabled);
    mCarButton = new QAction(icon, QString(), this);
    mCarButton->setToolTip(MainBundle::localizedString("车辆信息"));
    mCarButton->setEnabled(false);
    connect(mCarButton, &QAction::triggered, this, &MainViewController::showCarInfo);
}

void MainViewController::showCarInfo()
{
    const int index = mScrollView ? mScrollView->currentPage() : -1;
    if (index < 0 || index >= mAllPages.size() || !mAllPages.at(index)->mCarInfo())
        return;
    PageView* page = mAllPages.at(index);
    makePageCurrent(page);
    auto* carInfo = new SCarInfoViewController;
    carInfo->setCarInfo(page->mCarInfo());
    presentModalViewController(new NavigationController(carInfo), true);
}

void MainViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    showActive();
    // Queued, so that the busy indicator shows while the pages are built.
    QTimer::singleShot(0, this, &MainViewController::update);
    if (TabBarController* tabs = tabBarController()) {
        NavigationItem* item = tabs->navigationItem();
        item->setLeftBarButtonItem(mCarButton);
        item->setRightBarButtonItem(nullptr);
    }
    resetNavigationBarTitle();
}

void MainViewController::viewDidAppear()
{
    BaseModalViewController::viewDidAppear();
    mScrollView->setFocus(Qt::OtherFocusReason);
}

void MainViewController::viewDidDisappear()
{
    clearAllPages();
    BaseModalViewController::viewDidDisappear();
}

void MainViewController::update()
{
    // Gone from the screen before the queued refresh ran: it builds on the next appearance.
    if (isAppearing()) {
        updateUI();
        updateDataSource();
    }
    hideActive();
}

void MainViewController::updateUI()
{
    resetNavigationBarTitle();
    updateScrollView();
    mCarButton->setEnabled(CarManage::sharedCarManage()->mCurrentCarInfo() != nullptr);
}

void MainViewController::resetNavigationBarTitle()
{
    const CarInfo* current = CarManage::sharedCarManage()->mCurrentCarInfo();
    if (TabBarController* tabs = tabBarController())
        tabs->navigationItem()->setTitle(current ? current->mCarName : QString());
}

void MainViewController::clearAllPages()
{
    const QScopedValueRollback<bool> building(mBuildingPages, true);
    for (PageView* page : std::as_const(mAllPages))
        mScrollView->removePage(page);
    mAllPages.clear();
    mUnreadPages.clear();
}

void MainViewController::updateScrollView()
{
    const QScopedValueRollback<bool> building(mBuildingPages, true);
    if (mMemoryWarning) {
        clearAllPages();
        mMemoryWarning = false;
    }
    CarManage* manager = CarManage::sharedCarManage();
    const QList<CarInfo*> cars = manager->getAllCars();
    // There is always a page, with no car on it while there is none.
    const int pages = std::max<int>(1, int(cars.size()));
    while (mAllPages.size() > pages) {
        mUnreadPages.removeOne(mAllPages.last());
        mScrollView->removePage(mAllPages.takeLast());
    }
    for (int i = 0; i < pages; ++i) {
        if (i == mAllPages.size()) {
            auto* page = new PageView;
            page->mpDelegate = this;
            mScrollView->addPage(page);
            mAllPages.append(page);
        }
        mAllPages.at(i)->setMCarInfo(cars.value(i));
    }
    QStringList names;
    for (int i = 0; i < pages; ++i)
        names << (i < cars.size() ? cars.at(i)->mCarName : MainBundle::localizedString("尚无车辆"));
    const int selected = manager->getDefaultCarIndex();
    mPageController->setPageNames(names);
    mPageController->setNumberOfPages(pages);
    mPageController->setCurrentPage(selected);
    mScrollView->scrollToPage(selected, false);
}

void MainViewController::updateDataSource()
{
    mUnreadPages = mAllPages;
    mReadFailureShown = false;
    readPage(mPageController->currentPage());
    if (!mUnreadPages.isEmpty())
        QTimer::singleShot(0, this, &MainViewController::readNextPage);
}

void MainViewController::readPage(int index)
{
    PageView* page = mAllPages.value(index);
    if (!page || !mUnreadPages.removeOne(page))
        return;
    page->setMCarInfo(CarManage::sharedCarManage()->getAllCars().value(index));
    if (!page->updateAddOilInfo() && !mReadFailureShown) {
        mReadFailureShown = true;
        AlertView::showError(page->figures().errorString());
    }
}

void MainViewController::readNextPage()
{
    // Gone from the screen meanwhile: the pages are built anew on the next appearance.
    if (!isAppearing() || mUnreadPages.isEmpty())
        return;
    readPage(int(mAllPages.indexOf(mUnreadPages.first())));
    if (!mUnreadPages.isEmpty())
        QTimer::singleShot(0, this, &MainViewController::readNextPage);
}

// The page whose middle has been passed is the one shown; past the last car's page there is
// nothing to choose. Pages that come and go, on screen or not, choose nothing either.
void MainViewController::scrollViewDidScroll(int offset)
{
    const int width = mScrollView->viewport()->width();
    if (mBuildingPages || !isAppearing() || width <= 0)
        return;
    // A page coming into view shows its figures, read now if they were not yet.
    const int leftmost = int(std::floor(double(offset) / width));
    readPage(leftmost);
    if (offset % width != 0)
        readPage(leftmost + 1);
    const int page = int(std::floor((offset - width / 2.0) / width)) + 1;
    // Sliding to a chosen page passes others on the way: only where it stops counts.
    if (mScrollView->isSettling() && page != mScrollView->currentPage())
        return;
    if (page == mPageController->currentPage() || page < 0
        || page >= CarManage::sharedCarManage()->getAllCars().size())
        return;
    selectPage(page);
}

void MainViewController::selectPage(int index)
{
    CarManage* manager = CarManage::sharedCarManage();
    CarInfo* car = manager->getAllCars().value(index);
    if (!car)
        return;
    mPageController->setCurrentPage(index);
    const bool stored = manager->setDefaultCar(car);
    resetNavigationBarTitle();
    if (!stored)
        AlertView::showError(MainBundle::localizedString("当前车辆没有保存为默认车辆：无法写入 %1")
                                 .arg(Setting::preferencesPath()));
}

void MainViewController::changePage()
{
    const int page = mPageController->currentPage();
    if (page >= 0 && page < mAllPages.size() && mAllPages.at(page)->mCarInfo()
        && mAllPages.at(page)->mCarInfo() != CarManage::sharedCarManage()->mCurrentCarInfo())
        selectPage(page);
    mScrollView->scrollToPage(page, true);
}

// A page can be acted on while another car is current: the scroller resting between pages, or
// the focus on a button of a page not shown. The page's own car is what the user means.
void MainViewController::makePageCurrent(PageView* page)
{
    const int index = int(mAllPages.indexOf(page));
    if (index < 0)
        return;
    if (page->mCarInfo() && page->mCarInfo() != CarManage::sharedCarManage()->mCurrentCarInfo())
        selectPage(index);
    mScrollView->scrollToPage(index, true);
}

void MainViewController::PageViewToReport(PageView* page)
{
    makePageCurrent(page);
    if (TabBarController* tabs = tabBarController())
        tabs->setSelectedIndex(PumporaAppDelegate::ReportTab);
}

void MainViewController::PageViewToHistory(PageView* page)
{
    makePageCurrent(page);
    if (TabBarController* tabs = tabBarController())
        tabs->setSelectedIndex(PumporaAppDelegate::HistoryTab);
}

void MainViewController::PageViewOfAddOil(PageView* page)
{
    if (!page->mCarInfo())
        return;
    makePageCurrent(page);
    auto* entry = new AddOilViewController;
    entry->setCarInfo(page->mCarInfo());
    entry->setDissDelegate(this);
    presentModalViewController(entry, true);
}

void MainViewController::willDissModalViewController(ViewController*)
{
    dismissModalViewControllerAnimated(true);
}

void MainViewController::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const int page = mScrollView ? mScrollView->currentPage() : -1;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && page >= 0 && page < mAllPages.size()) {
        mAllPages.at(page)->onAddOil();
        return;
    }
    BaseModalViewController::keyPressEvent(event);
}
