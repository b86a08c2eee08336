#include "screens/entry/AddOilViewController.h"

#include "platform/Clock.h"
#include "platform/MainBundle.h"
#include "reports/DateEx.h"
#include "screens/base/AmountEntryRule.h"
#include "screens/base/CHDatePickerView.h"
#include "screens/base/PropertyView.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "screens/wizard/CarInitKMViewController.h"
#include "store/CarDisplacementForm.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationBar.h"
#include "widgets/Palette.h"
#include "widgets/PickerView.h"
#include "widgets/TextField.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using Field = OilEntryForm::Field;

AddOilViewController::AddOilViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

AddOilViewController::~AddOilViewController() = default;

// A changed fill-up belongs to the car whose key it holds, whatever car is current now.
CarInfo* AddOilViewController::carInfo() const
{
    CarManage* cars = CarManage::sharedCarManage();
    if (m_updateOil) {
        for (CarInfo* car : cars->getAllCars()) {
            if (car->carID == m_updateOil->carID)
                return car;
        }
    }
    return m_carInfo ? m_carInfo : cars->mCurrentCarInfo();
}

QString AddOilViewController::NavLeftItemTitle() const
{
    return MainBundle::localizedString("取消");
}

QString AddOilViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString(m_updateOil ? "更改" : "保存");
}

bool AddOilViewController::needShowDecimal() const
{
    const bool amountActive = activePropertyView
        && (activePropertyView == mPrice || activePropertyView == mVolumn || activePropertyView == mTotal);
    return decimalKeyNeeded(amountActive, Utility::CurrentIOSVersion());
}

void AddOilViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    CarInfo* car = carInfo();
    if (!car)
        return;
    if (m_updateOil) {
        m_form = std::make_unique<OilEntryForm>(*car, *m_updateOil);
    } else {
        // A log that cannot be read offers the car's initial reading; nothing is written here.
        m_form = std::make_unique<OilEntryForm>(
            *car, Clock::now(), car->getLastMiles().value_or(car->dCarInitKM));
    }
    setTitle(MainBundle::localizedString(m_updateOil ? "更改记录" : "添加加油记录"));
    oilNavigationBar = new NavigationBar(this);
    oilNavigationBar->setItem(navigationItem(), false);
    if (m_updateOil)
        oilNavigationBar->setTintColor(Palette::colour(Palette::Colour::ChangeBar));
    makeFields(Unit::orNone(car->unit));
    makePickers();
    layOutScreen();
    showForm();
}

void AddOilViewController::makeFields(const Unit& unit)
{
    hiddenField = TextField::hiddenInput(this);
    hiddenField->setDelegate(this);
    connect(hiddenField, &TextField::textChanged, this, &AddOilViewController::didTextChanged);

    const QList<std::pair<PropertyView**, const char*>> fields { { &mDate, "日期" }, { &mSpec, "汽油标号" },
        { &mPrice, "单价" }, { &mVolumn, "加油量" }, { &mTotal, "总价" }, { &mMiles, "里程表读数" },
        { &mNotes, "备注" } };
    for (const auto& [field, name] : fields) {
        *field = new PropertyView(this);
        (*field)->setAccessibleName(MainBundle::localizedString(name));
        (*field)->setDelegate(this);
    }
    setFieldOrder({ mDate, mSpec, mPrice, mVolumn, mTotal, mMiles, mNotes });
    mTotal->setTextColor(Palette::colour(Palette::Colour::Total));
    mMiles->setTextColor(Palette::colour(Palette::Colour::Reading));
    mMiles->setTextFont(Palette::font(Palette::Font::Reading));
    mMiles->setTextOffset(35, 8);
    mNotes->setTextFont(Palette::font(Palette::Font::LongField));
    mNotes->setTextLine(5);
    mNotes->setTextAlight(Qt::AlignLeft | Qt::AlignVCenter);
    mNotes->setTextOffset(50, 0);
    mNotes->setMinimumHeight(QFontMetrics(Palette::font(Palette::Font::LongField)).lineSpacing() * 5 + 8);

    const QString currency = Utility::getCurrencySybol();
    unitPrice = new QLabel(currency, this);
    unitTotal = new QLabel(currency, this);
    unitVolumn = new QLabel(unit.VolumnUnit, this);
    unitMiles = new QLabel(unit.MileageUnit, this);
}

void AddOilViewController::makePickers()
{
    datePicker = new CHDatePickerView(this);
    datePicker->wheels()->setAccessibleName(mDate->accessibleName());
    datePicker->setDate(m_form->date(), false);
    connect(datePicker, &DatePicker::valueChanged, this, &AddOilViewController::onDateChanged);

    specPicker = new PickerView(this);
    specPicker->setAccessibleName(mSpec->accessibleName());
    specPicker->setComponents({ CarDisplacementForm::gradeNames() });
    specPicker->selectRow(m_form->gradeRow(), 0, false);
    connect(specPicker, &PickerView::didSelectRow, this, [this](int row) {
        m_form->chooseGrade(row);
        showForm();
    });

    milePicker = CarInitKMViewController::makeOdometerWheels(m_form->miles(), this);
    milePicker->setAccessibleName(mMiles->accessibleName());
    connect(milePicker, &PickerView::didSelectRow, this, &AddOilViewController::mileTurned);
}

void AddOilViewController::layOutScreen()
{
    // The form scrolls in a small window; the wheels and the key bar keep the bottom.
    auto* screen = new QVBoxLayout(this);
    screen->setContentsMargins(0, 0, 0, 0);
    screen->setSpacing(0);
    screen->addWidget(oilNavigationBar);
    auto* scroll = m_scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    scroll->setWidget(content);
    scroll->viewport()->setAutoFillBackground(false);
    QVBoxLayout* column = makeFormColumn(content);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    const QList<std::pair<PropertyView*, QLabel*>> rows { { mDate, nullptr }, { mSpec, nullptr },
        { mPrice, unitPrice }, { mVolumn, unitVolumn }, { mTotal, unitTotal }, { mMiles, unitMiles },
        { mNotes, nullptr } };
    for (int row = 0; row < rows.size(); ++row) {
        const auto& [field, unitLabel] = rows.at(row);
        grid->addWidget(makeCaption(field->accessibleName(), content), row, 0);
        grid->addWidget(field, row, 1);
        if (unitLabel)
            grid->addWidget(unitLabel, row, 2);
    }
    column->addLayout(grid);
    column->addStretch();
    screen->addWidget(scroll, 1);
    // Room for the key bar, or for the date picker's year and month keys.
    m_keyRoom = new QWidget(this);
    m_keyRoom->setFixedHeight(CKeyHelpView::kHeight);
    screen->addWidget(m_keyRoom);
    for (QWidget* picker : { static_cast<QWidget*>(datePicker), static_cast<QWidget*>(specPicker),
             static_cast<QWidget*>(milePicker) }) {
        // Under the form's column, as wide as it at the most; a row of the screen's own layout,
        // so that the date picker's keys can sit in the screen above it.
        picker->hide();
        picker->setMaximumWidth(kFormWidth);
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        row->addWidget(picker, 1000);
        row->addStretch(1);
        screen->addLayout(row);
    }
    datePicker->AddHelpView();
}

void AddOilViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    if (!m_form)
        return;
    // The total is asked for first.
    onPropertyViewTap(mTotal);
    // Once the total has the keys, so that the alert of a machine without a position source
    // hands them back to it.
    PumporaAppDelegate* app = PumporaAppDelegate::appDelegate();
    if (!m_updateOil && app) {
        m_fixesBefore = app->fixesTaken();
        if (Setting::getGPSFlag())
            app->startLocationService();
    }
}

void AddOilViewController::viewWillDisappear()
{
    if (m_form) {
        if (activePropertyView)
            activePropertyView->setActive(false);
        if (QWidget* picker = pickerOf(activePropertyView))
            picker->hide();
        activePropertyView = nullptr;
        hiddenField->resignFirstResponder();
    }
    BaseNumberEditViewController::viewWillDisappear();
}

QWidget* AddOilViewController::pickerOf(const PropertyView* view) const
{
    if (!view)
        return nullptr;
    if (view == mDate)
        return datePicker;
    if (view == mSpec)
        return specPicker;
    if (view == mMiles)
        return milePicker;
    return nullptr;
}

PropertyView* AddOilViewController::fieldOf(Field field) const
{
    switch (field) {
    case Field::Date:
        return mDate;
    case Field::Spec:
        return mSpec;
    case Field::Price:
        return mPrice;
    case Field::Volumn:
        return mVolumn;
    case Field::Total:
        return mTotal;
    case Field::Miles:
        return mMiles;
    case Field::Notes:
        return mNotes;
    }
    return nullptr;
}

Field AddOilViewController::formFieldOf(const PropertyView* view) const
{
    for (Field field :
        { Field::Date, Field::Spec, Field::Price, Field::Volumn, Field::Total, Field::Miles, Field::Notes }) {
        if (fieldOf(field) == view)
            return field;
    }
    return Field::Notes;
}

void AddOilViewController::showForm()
{
    for (Field field :
        { Field::Date, Field::Spec, Field::Price, Field::Volumn, Field::Total, Field::Miles, Field::Notes })
        fieldOf(field)->setText(m_form->text(field));
}

void AddOilViewController::onPropertyViewTap(PropertyView* view)
{
    if (!m_form)
        return;
    if (view != activePropertyView) {
        if (activePropertyView)
            activePropertyView->setActive(false);
        if (QWidget* picker = pickerOf(activePropertyView)) {
            // A hidden widget with the keys hands them on as Tab does, which here would tap a
            // field in the middle of this tap.
            if (QWidget* keys = focusWidget(); keys && (keys == picker || picker->isAncestorOf(keys)))
                keys->clearFocus();
            picker->hide();
        }
        activePropertyView = view;
        if (!pickerOf(view)) {
            // Amounts take digits and a point; the note any text.
            hiddenField->setKeyboardType(
                view == mNotes ? TextField::KeyboardType::Default : TextField::KeyboardType::DecimalPad);
            hiddenField->setAccessibleName(view->accessibleName());
            hiddenField->setText(view->getText());
        }
    }
    // A tap on the field being edited gives its input the keys again.
    if (QWidget* picker = pickerOf(view)) {
        hiddenField->resignFirstResponder();
        m_keyRoom->setVisible(view == mDate);
        picker->show();
        (view == mDate ? static_cast<QWidget*>(datePicker->wheels()) : picker)
            ->setFocus(Qt::OtherFocusReason);
    } else {
        m_keyRoom->show();
        hiddenField->becomeFirstResponder();
    }
    view->setActive(true);
    // The field stays in sight above its picker or the key bar.
    layout()->activate();
    m_scroll->ensureWidgetVisible(view);
}

bool AddOilViewController::textField(TextField* field, int, int, const QString& replacement)
{
    if (activePropertyView == mNotes)
        return true;
    return AmountEntryRule::accepts(
        field->text(), replacement, OilEntryForm::kMaxAmountLength, Setting::getFloatValuePrecisionDigits());
}

void AddOilViewController::didTextChanged(const QString& text)
{
    if (!activePropertyView || pickerOf(activePropertyView))
        return;
    // A field taken up shows its text again: no change, and nothing to work out.
    const Field field = formFieldOf(activePropertyView);
    if (m_form->text(field) == text)
        return;
    m_form->setText(field, text);
    showForm();
}

void AddOilViewController::onDotPress()
{
    const QString text = hiddenField->text();
    if (text.isEmpty())
        hiddenField->setText(QStringLiteral("0."));
    else if (!text.contains(QLatin1Char('.')))
        hiddenField->setText(text + QLatin1Char('.'));
}

void AddOilViewController::viewActionButton(QAbstractButton*, int index)
{
    if (index == 0 && activePropertyView && !pickerOf(activePropertyView))
        hiddenField->clear();
}

void AddOilViewController::onDateChanged()
{
    m_form->setDay(datePicker->date());
    setDate();
}

void AddOilViewController::setDate()
{
    mDate->setText(m_form->text(Field::Date));
}

void AddOilViewController::mileTurned()
{
    m_form->setMiles(CarInitKMViewController::readingOf(*milePicker));
    mMiles->setText(m_form->text(Field::Miles));
}

void AddOilViewController::stopLocationService()
{
    if (!Setting::getGPSFlag())
        return;
    if (PumporaAppDelegate* app = PumporaAppDelegate::appDelegate())
        app->stopLocationService();
}

void AddOilViewController::takePosition()
{
    if (m_updateOil || !Setting::getGPSFlag())
        return;
    PumporaAppDelegate* app = PumporaAppDelegate::appDelegate();
    if (const auto position = app ? app->positionSince(m_fixesBefore) : std::nullopt)
        m_form->setPosition(position->latitude, position->longitude);
}

void AddOilViewController::save()
{
    if (!m_form || m_saved)
        return;
    stopLocationService();
    if (const std::optional<OilEntryForm::Refusal> refused = m_form->refusal()) {
        onPropertyViewTap(fieldOf(refused->field));
        AlertView::showOKWithTitle(refused->title, refused->message);
        return;
    }
    takePosition();
    QString error;
    if (!m_form->save(&error)) {
        AlertView::showError(error);
        return;
    }
    m_saved = true;
    m_bResult = !m_updateOil;
    tellNotKept();
}

void AddOilViewController::tellNotKept()
{
    if (m_form->notKept().isEmpty()) {
        offerToIncludeOil();
        return;
    }
    AlertView* alert = AlertView::showOKWithTitle(QString(), m_form->notKept());
    connect(alert, &AlertView::clickedButtonAtIndex, this, &AddOilViewController::offerToIncludeOil);
}

void AddOilViewController::offerToIncludeOil()
{
    const std::optional<Date> start = m_form->startIncludingOil();
    if (!start) {
        requestDismissModalViewAnimated();
        return;
    }
    auto* offer = new AlertView(MainBundle::localizedString("加油记录已保存"),
        MainBundle::localizedString(
            "这次加油在统计开始时间之前，统计、报表和历史记录中都不会显示。要把统计开始时间提前到 %1 吗？")
            .arg(DateEx::settingDateString(*start)),
        MainBundle::localizedString("不用"), { MainBundle::localizedString("提前") });
    connect(offer, &AlertView::clickedButtonAtIndex, this, [this, start](int index) {
        if (index == 1 && !Setting::setStartDate(*start)) {
            AlertView* failed = AlertView::showError(
                MainBundle::localizedString("开始时间没有保存：无法写入 %1").arg(Setting::preferencesPath()));
            connect(failed, &AlertView::clickedButtonAtIndex, this,
                &AddOilViewController::requestDismissModalViewAnimated);
            return;
        }
        requestDismissModalViewAnimated();
    });
    offer->present();
}

void AddOilViewController::cancel()
{
    stopLocationService();
    requestDismissModalViewAnimated();
}
