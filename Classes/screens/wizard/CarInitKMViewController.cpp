#include "screens/wizard/CarInitKMViewController.h"

#include "platform/MainBundle.h"
#include "reports/NumberConversion.h"
#include "screens/base/PropertyView.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "widgets/Palette.h"
#include "widgets/PickerView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CarInitKMViewController::CarInitKMViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

QString CarInitKMViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("完成");
}

std::array<int, CarInitKMViewController::kWheels> CarInitKMViewController::digitsOf(double reading)
{
    qint64 rest = qMax<qint64>(0, NumberConversion::truncatedToInt64(reading));
    std::array<int, kWheels> digits {};
    for (int wheel = kWheels - 1; wheel >= 0; --wheel) {
        digits[size_t(wheel)] = int(rest % 10);
        rest /= 10;
    }
    return digits;
}

void CarInitKMViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    const QString title = MainBundle::localizedString("初始里程读数");
    setTitle(title);
    const double reading = m_carInfo ? m_carInfo->dCarInitKM : 0;

    QStringList rows;
    for (int digit = 0; digit < 10; ++digit)
        rows << QString::number(digit);
    pv = new PropertyView(this);
    pv->setAccessibleName(title);
    pv->setDelegate(this);
    mPickerView = new PickerView(pv);
    mPickerView->setAccessibleName(title);
    mPickerView->setComponents(QList<QStringList>(kWheels, rows));
    mPickerView->setComponentNames(
        { MainBundle::localizedString("十万位"), MainBundle::localizedString("万位"),
            MainBundle::localizedString("千位"), MainBundle::localizedString("百位"),
            MainBundle::localizedString("十位"), MainBundle::localizedString("个位") });
    const std::array<int, kWheels> digits = digitsOf(reading);
    for (int wheel = 0; wheel < kWheels; ++wheel)
        mPickerView->selectRow(digits[size_t(wheel)], wheel, false);
    connect(mPickerView, &PickerView::didSelectRow, this, &CarInitKMViewController::wheelTurned);
    auto* frame = new QVBoxLayout(pv);
    frame->setContentsMargins(12, 12, 12, 12);
    frame->addWidget(mPickerView);
    pv->setFixedHeight(mPickerView->sizeHint().height() + 24);

    mLable = new QLabel(QString::number(qMax<qint64>(0, NumberConversion::truncatedToInt64(reading))), this);
    mLable->setObjectName(QStringLiteral("reading"));
    mLable->setFont(Palette::font(Palette::Font::Reading));
    mLable->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mUnit = new QLabel(m_carInfo ? Unit::orNone(m_carInfo->unit).MileageUnit : QString(), this);
    mDesc = new QLabel(m_updateODO ? MainBundle::localizedString("ODO_DESC") : QString(), this);
    mDesc->setObjectName(QStringLiteral("caption"));
    mDesc->setWordWrap(true);

    QVBoxLayout* column = makeFormColumn();
    auto* readingRow = new QHBoxLayout;
    readingRow->addStretch();
    readingRow->addWidget(mLable);
    readingRow->addWidget(mUnit);
    readingRow->addStretch();
    column->addLayout(readingRow);
    column->addWidget(pv);
    column->addWidget(mDesc);
    column->addStretch();
}

void CarInitKMViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    pv->setActive(true);
    mPickerView->setFocus(Qt::OtherFocusReason);
}

void CarInitKMViewController::viewWillDisappear()
{
    pv->setActive(false);
    BaseNumberEditViewController::viewWillDisappear();
}

void CarInitKMViewController::onPropertyViewTap(PropertyView*)
{
    mPickerView->setFocus(Qt::OtherFocusReason);
}

void CarInitKMViewController::wheelTurned()
{
    int reading = 0;
    for (int wheel = 0; wheel < kWheels; ++wheel)
        reading = reading * 10 + mPickerView->selectedRowInComponent(wheel) % 10;
    mLable->setText(QString::number(reading));
}
