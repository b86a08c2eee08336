#pragma once

class PageView;

// What a car page tells its owner. Every method is optional: a page whose owner answers none only
// takes the taps.
class PageViewDelegate
{
public:
    virtual ~PageViewDelegate() = default;

    // The summary row was tapped.
    virtual void PageViewToReport(PageView* page) { (void)page; }
    // The latest fill-up row was tapped.
    virtual void PageViewToHistory(PageView* page) { (void)page; }
    // The add button was pressed.
    virtual void PageViewOfAddOil(PageView* page) { (void)page; }
};
