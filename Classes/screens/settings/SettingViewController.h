#pragma once

#include "reports/SettingFigures.h"
#include "screens/base/BaseModalViewController.h"
#include "screens/base/NavigationPopedViewControllerDelegate.h"

#include <memory>

class MailComposer;
class SettingCell;
class SwitchCell;
class TableView;
class UrlHandler;

// The settings tab, a list of three sections: about, the statistics start, the decimals and
// whether fill-ups record their position; one row per fuel grade with its default price; and the
// button that adds a car through the setup wizard. A row opens its editor over the tabs. The
// list is read afresh whenever it shows and whenever an editor leaves, so that a changed value
// shows at once.
class SettingViewController : public BaseModalViewController, public NavigationPopedViewControllerDelegate
{
    Q_OBJECT

public:
    enum Section
    {
        GeneralSection,
        GradeSection,
        AddCarSection
    };
    static constexpr int kSectionSpacing = 13;

    // The about screen hands the support mail to the composer and its web addresses to the
    // handler.
    SettingViewController(std::shared_ptr<MailComposer> composer, std::shared_ptr<UrlHandler> urlHandler,
        QWidget* parent = nullptr);
    ~SettingViewController() override;

    void reloadData();
    // What a tap on that row does.
    void didSelectRow(int section, int row);
    // The position switch's action: stores the switch's state (GPSFlag) and tells the
    // application to start or stop capturing the position. Any other sender does nothing.
    void actionGPSService(QObject* sender);

    void DidPopNavViewController(ViewController* controller) override;
    void DidPopNavViewController(ViewController* controller, bool popStatus) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;

private:
    void push(BaseModalViewController* controller);
    // The setup wizard on a car the car manager makes afresh, in a navigation stack of its own.
    void startAddCarWizard();

    std::shared_ptr<MailComposer> m_composer;
    std::shared_ptr<UrlHandler> m_urlHandler;
    SettingFigures m_figures;
    TableView* settingTable = nullptr;
    QList<SettingCell*> m_generalCells;
    SwitchCell* m_positionCell = nullptr;
    QList<SettingCell*> m_gradeCells;
};
