#include "screens/history/HistoryDetailController.h"

#include "platform/MainBundle.h"
#include "platform/UrlHandler.h"
#include "reports/DateEx.h"
#include "reports/NumberConversion.h"
#include "reports/OilPosition.h"
#include "reports/StringFormat.h"
#include "screens/base/PropertyView.h"
#include "screens/entry/AddOilViewController.h"
#include "screens/history/OilDeletion.h"
#include "store/CarInfo.h"
#include "store/OilInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/Palette.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString amountText(double value)
{
    return StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(value));
}

} // namespace

HistoryDetailController::HistoryDetailController(std::shared_ptr<UrlHandler> urlHandler, QWidget* parent)
    : BaseModalViewController(parent)
    , m_urlHandler(std::move(urlHandler))
{ }

void HistoryDetailController::setOil(const Oil& oil, const CarInfo* car)
{
    m_oil = oil;
    m_car = car;
}

PropertyView* HistoryDetailController::addField(QGridLayout* grid, const char* caption, QLabel* unit)
{
    const int row = grid->rowCount();
    QLabel* label = makeCaption(MainBundle::localizedString(caption), this);
    auto* field = new PropertyView(this);
    field->setAccessibleName(label->text());
    field->setEnable(false);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit)
        grid->addWidget(unit, row, 2);
    return field;
}

void HistoryDetailController::viewDidLoad()
{
    BaseModalViewController::viewDidLoad();
    setTitle(MainBundle::localizedString("加油信息"));
    // The fields scroll in a small window.
    auto* screen = new QVBoxLayout(this);
    screen->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    scroll->setWidget(content);
    screen->addWidget(scroll);
    QVBoxLayout* column = makeFormColumn(content);
    column->setContentsMargins(10, 10, 10, 10);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    unitPrice = new QLabel(this);
    unitTotal = new QLabel(this);
    unitVolumn = new QLabel(this);
    unitMiles = new QLabel(this);
    mDate = addField(grid, "日期");
    mSpec = addField(grid, "汽油标号");
    mPrice = addField(grid, "单价", unitPrice);
    mVolumn = addField(grid, "加油量", unitVolumn);
    mTotal = addField(grid, "总价", unitTotal);
    mMiles = addField(grid, "里程表读数", unitMiles);
    mNotes = addField(grid, "备注");
    const int positionRow = grid->rowCount();
    mPosition = addField(grid, "位置");
    auto* mapButton = new QPushButton(MainBundle::localizedString("在地图上查看"), this);
    mapButton->setAutoDefault(true);
    connect(mapButton, &QPushButton::clicked, this, &HistoryDetailController::onShowMap);
    grid->addWidget(mapButton, positionRow + 1, 1, Qt::AlignLeft);
    m_positionRow = { grid->itemAtPosition(positionRow, 0)->widget(), mPosition, mapButton };

    mTotal->setTextColor(Palette::colour(Palette::Colour::Total));
    for (PropertyView* field : { mDate, mNotes, mPosition })
        field->setTextFont(Palette::font(Palette::Font::LongField));
    mNotes->setTextLine(5);
    // In a narrow window the longitude goes under the latitude.
    mPosition->setTextLine(2);
    mNotes->setTextAlight(Qt::AlignLeft);
    mNotes->setTextOffset(12, 0);
    mNotes->setFixedHeight(96);
    mMiles->setTextColor(Palette::colour(Palette::Colour::Reading));
    mMiles->setTextFont(Palette::font(Palette::Font::Reading));
    mMiles->setTextOffset(35, 8);

    m_updateButton = new QPushButton(MainBundle::localizedString("更改"), this);
    connect(m_updateButton, &QPushButton::clicked, this, &HistoryDetailController::onUpdate);
    m_deleteButton = new QPushButton(MainBundle::localizedString("删除"), this);
    m_deleteButton->setObjectName(QStringLiteral("destructive"));
    connect(m_deleteButton, &QPushButton::clicked, this, &HistoryDetailController::onDelete);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { m_updateButton, m_deleteButton }) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    column->addSpacing(12);
    column->addLayout(buttons);
    column->addStretch();
}

void HistoryDetailController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    const Unit& unit = Unit::orNone(m_car ? m_car->unit : nullptr);
    mDate->setText(DateEx::stringWithFormat(m_oil.date.value_or(Date(0)), DateEx::dateFormatString()));
    mSpec->setText(m_oil.mOilInfo ? m_oil.mOilInfo->specName : QString());
    mPrice->setText(amountText(m_oil.dUnitPrice));
    mTotal->setText(amountText(m_oil.dTotal));
    mVolumn->setText(amountText(m_oil.oilVolumn));
    mMiles->setText(StringFormat::format(
        QStringLiteral("%d"), { NumberConversion::truncatedToInt64(m_oil.dCarDisplacement) }));
    mNotes->setText(m_oil.notes);
    unitPrice->setText(Utility::getCurrencySybol());
    unitTotal->setText(Utility::getCurrencySybol());
    unitVolumn->setText(unit.VolumnUnit);
    unitMiles->setText(unit.MileageUnit);
    const std::optional<OilPosition> position = OilPosition::of(m_oil);
    mPosition->setText(position ? position->text() : QString());
    for (QWidget* widget : std::as_const(m_positionRow))
        widget->setVisible(position.has_value());
}

void HistoryDetailController::viewDidAppear()
{
    BaseModalViewController::viewDidAppear();
    m_updateButton->setFocus(Qt::OtherFocusReason);
}

void HistoryDetailController::onUpdate()
{
    NavigationController* navigation = navigationController();
    if (!navigation)
        return;
    auto* editor = new AddOilViewController;
    editor->setUpdateOil(&m_oil);
    editor->setDissDelegate(this);
    navigation->presentModalViewController(editor, true);
}

void HistoryDetailController::onDelete()
{
    OilDeletion::ask(m_oil, this, [this] { popViewControllerAnimated(true); });
}

void HistoryDetailController::onShowMap()
{
    const std::optional<OilPosition> position = OilPosition::of(m_oil);
    if (!position)
        return;
    const QUrl url = position->mapURL();
    if (!m_urlHandler->openURL(url))
        AlertView::showError(MainBundle::localizedString("无法打开 %1").arg(url.toDisplayString()));
}

void HistoryDetailController::willDissModalViewController(ViewController* controller)
{
    controller->dismissModalViewControllerAnimated(true);
}

void HistoryDetailController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        onDelete();
        return;
    }
    BaseModalViewController::keyPressEvent(event);
}
