#pragma once

#include "screens/base/BaseModalViewController.h"
#include "screens/base/BaseModalViewControllerDelegate.h"
#include "screens/overview/PageViewDelegate.h"

#include <QList>

class CarInfo;
class NLPageControl;
class PageView;
class PagingScrollView;
class QAction;

// The overview, the first tab: one page per car (a single page without a car while the log
// has none) in a sideways paged scroller, the page indicator below it, the current car's name
// as the title and the car button on the left of the bar. Turning to another page makes its car
// the current and default car. From a page the user opens the report tab, the history tab or
// the fill-up entry screen, always for the page's own car. The pages are built anew each time
// the overview appears, so what was entered meanwhile shows at once.
class MainViewController : public BaseModalViewController,
                           public PageViewDelegate,
                           public BaseModalViewControllerDelegate
{
    Q_OBJECT

public:
    explicit MainViewController(QWidget* parent = nullptr);
    ~MainViewController() override;

    // Rebuilds the pages and the title, then hides the busy indicator.
    void update();
    void updateUI();
    void resetNavigationBarTitle();
    // One page per car, the stored default car's page selected (the first without a default).
    void updateScrollView();
    // Each page rereads its car's figures: the page shown at once, the others one per turn of
    // the event loop after it (so that a start waits for one car's figures only), or as soon as
    // they come into view. A log that cannot be read is reported once.
    void updateDataSource();
    void clearAllPages();
    // The page indicator's choice: its car becomes current, and its page slides in.
    void changePage();
    // Opens the car information of the car shown, which first becomes the current car.
    void showCarInfo();
    // The pages are built anew at the next refresh.
    void didReceiveMemoryWarning() { mMemoryWarning = true; }

    PagingScrollView* scrollView() const { return mScrollView; }
    NLPageControl* pageController() const { return mPageController; }
    const QList<PageView*>& allPages() const { return mAllPages; }
    QAction* carButton() const { return mCarButton; }

    // PageViewDelegate: each first makes the page's car the current car.
    void PageViewToReport(PageView* page) override;
    void PageViewToHistory(PageView* page) override;
    void PageViewOfAddOil(PageView* page) override;

    // BaseModalViewControllerDelegate
    void willDissModalViewController(ViewController* controller) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;
    void viewDidDisappear() override;
    // Enter starts a fill-up on the page shown.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void scrollViewDidScroll(int offset);
    // Makes the car of that page current and default, with the dots and the title following.
    void selectPage(int index);
    void makePageCurrent(PageView* page);
    // Reads the figures of that page if this refresh has not read them yet.
    void readPage(int index);
    void readNextPage();

    PagingScrollView* mScrollView = nullptr;
    NLPageControl* mPageController = nullptr;
    QList<PageView*> mAllPages;
    // The pages whose figures this refresh has yet to read.
    QList<PageView*> mUnreadPages;
    bool mReadFailureShown = false;
    bool mMemoryWarning = false;
    bool mBuildingPages = false;
    QAction* mCarButton = nullptr;
};
