#include "screens/settings/SettingViewController.h"

#include "platform/MailComposer.h"
#include "platform/MainBundle.h"
#include "platform/UrlHandler.h"
#include "screens/settings/AboutController.h"
#include "screens/settings/ButtonCell.h"
#include "screens/settings/EditOilMarkViewController.h"
#include "screens/settings/EditPrecisionDigitsController.h"
#include "screens/settings/SettingCell.h"
#include "screens/settings/SettingDateViewController.h"
#include "screens/settings/SwitchCell.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "screens/wizard/RootViewController.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/Switch.h"
#include "widgets/TabBarController.h"
#include "widgets/TableView.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

SettingViewController::SettingViewController(
    std::shared_ptr<MailComposer> composer, std::shared_ptr<UrlHandler> urlHandler, QWidget* parent)
    : BaseModalViewController(parent)
    , m_composer(std::move(composer))
    , m_urlHandler(std::move(urlHandler))
{
    setTitle(MainBundle::localizedString("偏好设置"));
}

SettingViewController::~SettingViewController() = default;

void SettingViewController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    settingTable = new TableView(kSectionSpacing, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(settingTable);

    m_figures.read();
    QList<QWidget*> general;
    for (int row = 0; row < SettingFigures::GeneralRowCount; ++row) {
        auto* cell = new SettingCell;
        connect(cell, &SettingCell::clicked, this, [this, row] { didSelectRow(GeneralSection, row); });
        m_generalCells << cell;
        general << cell;
    }
    m_positionCell = new SwitchCell(MainBundle::localizedString("加油时记录位置"));
    Switch* position = m_positionCell->mSwitch();
    // Toggled, so that a screen reader's toggle counts as a click does; reloads set it quietly.
    connect(position, &Switch::toggled, this, [this, position] { actionGPSService(position); });
    general << m_positionCell;
    settingTable->addSection(general);

    QList<QWidget*> grades;
    for (int row = 0; row < m_figures.gradeRows().size(); ++row) {
        auto* cell = new SettingCell;
        connect(cell, &SettingCell::clicked, this, [this, row] { didSelectRow(GradeSection, row); });
        m_gradeCells << cell;
        grades << cell;
    }
    settingTable->addSection(grades);

    auto* addCar = new ButtonCell(MainBundle::localizedString("新增车辆"), 0);
    connect(addCar, &ButtonCell::clicked, this, [this] { didSelectRow(AddCarSection, 0); });
    settingTable->addSection({ addCar }, false);
    reloadData();
}

void SettingViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    reloadData();
    if (TabBarController* tabs = tabBarController()) {
        NavigationItem* item = tabs->navigationItem();
        item->setTitle(title());
        item->setLeftBarButtonItem(nullptr);
        item->setRightBarButtonItem(nullptr);
    }
}

void SettingViewController::reloadData()
{
    if (!settingTable)
        return;
    m_figures.read();
    for (int row = 0; row < m_generalCells.size(); ++row) {
        const SettingFigures::Row& texts = m_figures.generalRows().at(row);
        m_generalCells.at(row)->setTexts(texts.label, texts.detail);
    }
    const QSignalBlocker quiet(m_positionCell->mSwitch());
    m_positionCell->mSwitch()->setChecked(m_figures.recordsPosition());
    // The grade list keeps its length for the whole run.
    for (int row = 0; row < m_gradeCells.size(); ++row) {
        const SettingFigures::Row texts = m_figures.gradeRows().value(row);
        SettingCell* cell = m_gradeCells.at(row);
        cell->setTexts(texts.label, texts.detail);
        // A blank row is still named, after the grade it edits.
        if (const OilInfo* grade = OilInfo::infoAtPosition(row); grade && texts.label.isEmpty())
            cell->setAccessibleName(grade->specName);
    }
}

void SettingViewController::DidPopNavViewController(ViewController*)
{
    reloadData();
}

void SettingViewController::DidPopNavViewController(ViewController*, bool)
{
    reloadData();
}

void SettingViewController::push(BaseModalViewController* controller)
{
    NavigationController* navigation = navigationController();
    if (!navigation) {
        delete controller;
        return;
    }
    controller->setNavDelegate(this);
    navigation->pushViewController(controller, true);
}

void SettingViewController::didSelectRow(int section, int row)
{
    if (section == GeneralSection) {
        if (row == SettingFigures::AboutRow)
            push(new AboutController(m_composer, m_urlHandler));
        else if (row == SettingFigures::StartDateRow)
            push(new SettingDateViewController);
        else if (row == SettingFigures::PrecisionRow)
            push(new EditPrecisionDigitsController);
    } else if (section == GradeSection) {
        if (OilInfo* grade = OilInfo::infoAtPosition(row)) {
            auto* editor = new EditOilMarkViewController;
            editor->setEditOilInfo(grade);
            push(editor);
        }
    } else if (section == AddCarSection) {
        startAddCarWizard();
    }
}

// The wizard ends with the application delegate storing the car; it says whether it could.
void SettingViewController::startAddCarWizard()
{
    CarManage* cars = CarManage::sharedCarManage();
    cars->createNewCar();
    auto* firstStep = new RootViewController;
    firstStep->setTitle(MainBundle::localizedString("Setup Wizard"));
    firstStep->setCarInfo(cars->mNewCarInfo());
    firstStep->setAddNewCar(true);
    presentModalViewController(new NavigationController(firstStep), true);
}

void SettingViewController::actionGPSService(QObject* sender)
{
    auto* control = qobject_cast<Switch*>(sender);
    if (!control)
        return;
    const bool on = control->isChecked();
    if (!Setting::setGPSFlag(on)) {
        const QSignalBlocker quiet(control);
        control->setChecked(!on);
        AlertView::showError(
            MainBundle::localizedString("位置记录设置没有保存：无法写入 %1").arg(Setting::preferencesPath()));
        return;
    }
    PumporaAppDelegate* app = PumporaAppDelegate::appDelegate();
    if (!app)
        return;
    if (on) {
        app->InitLocationService();
        app->startLocationService();
    } else {
        app->stopLocationService();
    }
}
