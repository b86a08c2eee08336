#include "screens/carinfo/SCarInfoViewController.h"

#include "platform/MainBundle.h"
#include "platform/PhotoImage.h"
#include "reports/CarInfoFigures.h"
#include "screens/carinfo/CImagePickerController.h"
#include "screens/carinfo/ImageCell.h"
#include "screens/carinfo/SetGroupCell.h"
#include "screens/settings/ButtonCell.h"
#include "screens/settings/SettingCarDisplacementViewController.h"
#include "screens/settings/SettingCarInfoViewController.h"
#include "screens/settings/SettingCell.h"
#include "screens/settings/SettingUnitConfigController.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/TableView.h"

#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

SCarInfoViewController::SCarInfoViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

SCarInfoViewController::~SCarInfoViewController() = default;

QString SCarInfoViewController::NavLeftItemTitle() const
{
    return MainBundle::localizedString("返回");
}

void SCarInfoViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("车辆信息"));
    mCarInfoTableView = new TableView(kSectionSpacing, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mCarInfoTableView);

    m_photoCell = new ImageCell;
    m_nameCell = new SettingCell;
    m_unitCell = new SettingCell;
    m_groupCell = new SetGroupCell;
    auto* deleteCell = new ButtonCell(MainBundle::localizedString("删除车辆"), 1);
    const auto select = [this](TableViewCell* cell, int section, int row) {
        connect(cell, &TableViewCell::clicked, this, [this, section, row] { didSelectRow(section, row); });
    };
    select(m_photoCell, PhotoSection, 0);
    select(m_nameCell, NameSection, 0);
    select(m_unitCell, NameSection, 1);
    select(m_groupCell, GroupSection, 0);
    select(deleteCell, DeleteSection, 0);
    mCarInfoTableView->addSection({ m_photoCell }, false);
    mCarInfoTableView->addSection({ m_nameCell, m_unitCell });
    mCarInfoTableView->addSection({ m_groupCell });
    mCarInfoTableView->addSection({ deleteCell }, false);
    reloadData();
}

// The keyboard starts on the first row, not on the screen underneath.
void SCarInfoViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    if (m_photoCell && !isAncestorOf(QApplication::focusWidget()))
        m_photoCell->setFocus(Qt::OtherFocusReason);
}

void SCarInfoViewController::reloadData()
{
    if (!mCarInfoTableView)
        return;
    const CarInfoFigures car(m_carInfo);
    m_photoCell->setMImage(car.photo);
    m_nameCell->setTexts(MainBundle::localizedString("名称"), car.name);
    m_unitCell->setTexts(MainBundle::localizedString("单位"), car.unitName);
    m_groupCell->setTexts(car.maxVolumn, car.capacity, car.gradeName);
}

void SCarInfoViewController::DidPopNavViewController(ViewController*)
{
    reloadData();
}

void SCarInfoViewController::DidPopNavViewController(ViewController*, bool)
{
    reloadData();
}

void SCarInfoViewController::cancel()
{
    dismissModalViewControllerAnimated(true);
}

void SCarInfoViewController::save()
{
    dismissModalViewControllerAnimated(true);
}

void SCarInfoViewController::push(BaseNumberEditViewController* editor)
{
    NavigationController* navigation = navigationController();
    if (!navigation || !m_carInfo) {
        delete editor;
        return;
    }
    editor->setNavDelegate(this);
    navigation->pushViewController(editor, true);
}

void SCarInfoViewController::didSelectRow(int section, int row)
{
    switch (section) {
    case PhotoSection:
        showPhotoSheet();
        break;
    case NameSection:
        if (row == 0) {
            SettingCarInfoViewController* editor = SettingCarInfoViewController::newViewController();
            editor->setCarInfo(m_carInfo);
            push(editor);
        } else {
            SettingUnitConfigController* editor = SettingUnitConfigController::newViewController();
            editor->setCarInfo(m_carInfo);
            push(editor);
        }
        break;
    case GroupSection: {
        SettingCarDisplacementViewController* editor
            = SettingCarDisplacementViewController::newViewController();
        editor->setCarInfo(m_carInfo);
        push(editor);
        break;
    }
    case DeleteSection:
        removeCurrentCarInfo();
        break;
    }
}

// Without a camera the sheet offers only an existing picture.
void SCarInfoViewController::showPhotoSheet()
{
    QStringList buttons;
    if (CImagePickerController::isCameraAvailable())
        buttons << MainBundle::localizedString("TakePhoto");
    buttons << MainBundle::localizedString("Choose Existing Photo");
    auto* sheet = new ActionSheet(QString(), MainBundle::localizedString("取消"), QString(), buttons);
    connect(sheet, &ActionSheet::clickedButtonAtIndex, this, [this](int index) {
        QTimer::singleShot(0, this, [this, index] { actionSheetClickedButtonAtIndex(index); });
    });
    sheet->present();
}

void SCarInfoViewController::actionSheetClickedButtonAtIndex(int index)
{
    if (index == 0)
        processExistPhoto();
}

void SCarInfoViewController::processExistPhoto()
{
    auto* picker = new CImagePickerController(this);
    connect(picker, &QFileDialog::fileSelected, this, &SCarInfoViewController::pickedPhotoFile);
    picker->open();
}

void SCarInfoViewController::pickedPhotoFile(const QString& path)
{
    QString error;
    const std::optional<PhotoImage> photo = PhotoImage::imageWithContentsOfFile(path, &error);
    if (!photo) {
        AlertView::showError(MainBundle::localizedString("无法读取图片 %1：%2").arg(path, error));
        return;
    }
    performImage(*photo);
}

// The photo row is always there on a desktop, so a chosen photo is always stored.
void SCarInfoViewController::performImage(const PhotoImage& image)
{
    if (!m_carInfo)
        return;
    const QImage scaled = image.scaledCopyOfSize(kPhotoSize);
    const QImage stored = m_carInfo->thumbnail;
    m_carInfo->thumbnail = scaled;
    QString error;
    if (!m_carInfo->update(&error)) {
        m_carInfo->thumbnail = stored;
        AlertView::showError(MainBundle::localizedString("照片没有保存。\n%1").arg(error));
        return;
    }
    m_photoCell->setMImage(scaled);
}

void SCarInfoViewController::removeCurrentCarInfo()
{
    if (CarManage::sharedCarManage()->getAllCars().size() == 1) {
        AlertView::showAlertWithTitle(MainBundle::localizedString("失败"),
            MainBundle::localizedString("不能删除唯一的车辆"), MainBundle::localizedString("取消"));
        return;
    }
    auto* alert = new AlertView(QString(),
        MainBundle::localizedString("确定要删除该车辆吗!\n这会删除该车辆的所有信息!"),
        MainBundle::localizedString("取消"), { MainBundle::localizedString("确认") });
    connect(alert, &AlertView::clickedButtonAtIndex, this, [this](int index) {
        if (index == 1)
            removeConfirmed();
    });
    alert->present();
}

// The car beside the removed one in the list becomes current: the one after it, or the one
// before when it was the last. A deletion the store refuses leaves the car listed and shown.
void SCarInfoViewController::removeConfirmed()
{
    CarManage* cars = CarManage::sharedCarManage();
    const QList<CarInfo*> before = cars->getAllCars();
    const auto found = std::find_if(before.cbegin(), before.cend(),
        [this](const CarInfo* car) { return m_carInfo && car->carID == m_carInfo->carID; });
    if (found == before.cend())
        return;
    const int position = int(found - before.cbegin());
    QString error;
    if (!cars->removeCar(*found, &error)) {
        AlertView::showError(MainBundle::localizedString("车辆没有删除。\n%1").arg(error));
        return;
    }
    const QList<CarInfo*> after = cars->getAllCars();
    CarInfo* neighbour = after.value(position == before.size() - 1 ? position - 1 : position);
    if (PumporaAppDelegate* app = PumporaAppDelegate::appDelegate())
        app->updateCurrentCarInfo(neighbour);
    cars->loadDefaultCar();
    save();
}
