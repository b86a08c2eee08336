#pragma once

#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/NavigationPopedViewControllerDelegate.h"

class CarInfo;
class ImageCell;
class PhotoImage;
class SetGroupCell;
class SettingCell;
class TableView;

// One car's information, presented in a navigation stack of its own over the overview: its
// photo, its name and unit system, its tank, displacement and grade, and the button that
// deletes it. Each row opens its editor, which writes the car when the user saves; the list is
// read afresh when an editor leaves. Back closes the screen.
class SCarInfoViewController : public BaseNumberEditViewController,
                               public NavigationPopedViewControllerDelegate
{
    Q_OBJECT

public:
    enum Section
    {
        PhotoSection,
        NameSection, // the name (row 0) and the unit system (row 1)
        GroupSection,
        DeleteSection
    };
    static constexpr int kSectionSpacing = 5;
    // A chosen photo is stored at most this large.
    static constexpr QSize kPhotoSize { 480, 320 };

    explicit SCarInfoViewController(QWidget* parent = nullptr);
    ~SCarInfoViewController() override;

    // The car shown; not owned (the car manager keeps every car for the run).
    void setCarInfo(CarInfo* car) { m_carInfo = car; }
    CarInfo* carInfo() const { return m_carInfo; }

    void reloadData();
    void didSelectRow(int section, int row);

    // The photo scaled to kPhotoSize and turned upright becomes the car's thumbnail and is
    // written; a write the store refuses keeps the former photo and says so.
    void performImage(const PhotoImage& image);
    // Refuses to delete the only car; otherwise asks before it deletes the car and all its
    // fill-ups.
    void removeCurrentCarInfo();

    // Both close the screen.
    void cancel() override;
    void save() override;

    void DidPopNavViewController(ViewController* controller) override;
    void DidPopNavViewController(ViewController* controller, bool popStatus) override;

protected:
    QString NavLeftItemTitle() const override;
    void viewDidLoad() override;
    void viewDidAppear() override;

private:
    void push(BaseNumberEditViewController* editor);
    void showPhotoSheet();
    void actionSheetClickedButtonAtIndex(int index);
    void processExistPhoto();
    void pickedPhotoFile(const QString& path);
    void removeConfirmed();

    CarInfo* m_carInfo = nullptr;
    TableView* mCarInfoTableView = nullptr;
    ImageCell* m_photoCell = nullptr;
    SettingCell* m_nameCell = nullptr;
    SettingCell* m_unitCell = nullptr;
    SetGroupCell* m_groupCell = nullptr;
};
