#include "store/OilEntryForm.h"

#include "platform/MainBundle.h"
#include "reports/AmountText.h"
#include "reports/DateEx.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"

#include <QDate>

#include <utility>

namespace {

int positionOf(const OilInfo* grade)
{
    const OilInfo::List& grades = OilInfo::OilInfoDList();
    for (size_t row = 0; row < grades.size(); ++row) {
        if (grades[row].get() == grade)
            return int(row);
    }
    return 0;
}

QDate localDay(Date date)
{
    return QDate::fromString(QString::number(DateEx::numberDate(date)), QStringLiteral("yyyyMMdd"));
}

} // namespace

// Compared as typed: a text is its decimal value, a stored amount the double it was saved as.
double OilEntryForm::Amount::value() const
{
    if (text == shown)
        return stored;
    return AmountText::value(text).value_or(0);
}

void OilEntryForm::Amount::show(const QString& shownText, double storedValue)
{
    text = shownText;
    shown = shownText;
    stored = storedValue;
}

OilEntryForm::OilEntryForm(CarInfo& car, Date now, double lastMiles)
    : m_car(&car)
    , m_gradeRow(positionOf(car.mOilInfo))
    , m_startMiles(lastMiles)
{
    m_oil.date = now;
    m_oil.mOilInfo = OilInfo::infoAtPosition(m_gradeRow);
    if (const OilInfo* grade = m_oil.mOilInfo) {
        m_price.show(StringFormat::CIStringFromFloatValue(grade->defaultPrice),
            NumberConversion::typedValue(grade->defaultPrice));
    }
}

OilEntryForm::OilEntryForm(CarInfo& car, Oil& stored)
    : m_car(&car)
    , m_stored(&stored)
    , m_oil(stored)
    , m_gradeRow(positionOf(stored.mOilInfo))
    , m_startMiles(stored.dCarDisplacement)
{
    m_price.show(StringFormat::CIStringFromDoubleValue(stored.dUnitPrice), stored.dUnitPrice);
    m_volumn.show(StringFormat::CIStringFromDoubleValue(stored.oilVolumn), stored.oilVolumn);
    m_total.show(StringFormat::CIStringFromDoubleValue(stored.dTotal), stored.dTotal);
}

OilEntryForm::Amount* OilEntryForm::amount(Field field)
{
    return const_cast<Amount*>(std::as_const(*this).amount(field));
}

const OilEntryForm::Amount* OilEntryForm::amount(Field field) const
{
    switch (field) {
    case Field::Price:
        return &m_price;
    case Field::Volumn:
        return &m_volumn;
    case Field::Total:
        return &m_total;
    default:
        return nullptr;
    }
}

QString OilEntryForm::text(Field field) const
{
    if (const Amount* typed = amount(field))
        return typed->text;
    switch (field) {
    case Field::Date:
        return DateEx::stringWithFormat(date(), DateEx::dateFormatString());
    case Field::Spec: {
        const OilInfo* grade = OilInfo::infoAtPosition(m_gradeRow);
        return grade ? grade->specName : QString();
    }
    case Field::Miles:
        return QString::number(
            m_turnedMiles ? *m_turnedMiles : NumberConversion::truncatedToInt64(m_startMiles));
    case Field::Notes:
        return m_oil.notes;
    default:
        return {};
    }
}

void OilEntryForm::setText(Field field, const QString& text)
{
    if (field == Field::Notes) {
        m_oil.notes = text.isEmpty() ? QString() : text;
        return;
    }
    if (Amount* typed = amount(field)) {
        typed->text = text;
        workOut(field);
    }
}

// The total is always taken as typed. Without a total there is nothing to work out from, and
// the other amount typed so far stays.
void OilEntryForm::workOut(Field typed)
{
    const double total = m_total.value();
    if (total <= 0)
        return;
    const auto shown = [](double value) {
        return StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(value));
    };
    if (typed == Field::Volumn) {
        if (const double volumn = m_volumn.value(); volumn > 0)
            m_price.text = shown(total / volumn);
    } else if (const double price = m_price.value(); price > 0) {
        m_volumn.text = shown(total / price);
    }
}

void OilEntryForm::setDay(Date day)
{
    m_oil.date = DateEx::daySetOffAt(date(), int(localDay(date()).daysTo(localDay(day))));
}

void OilEntryForm::chooseGrade(int row)
{
    const OilInfo* grade = OilInfo::infoAtPosition(row);
    if (!grade)
        return;
    m_gradeRow = row;
    m_price.show(StringFormat::CIStringFromFloatValue(grade->defaultPrice),
        NumberConversion::typedValue(grade->defaultPrice));
    workOut(Field::Price);
}

double OilEntryForm::miles() const
{
    return m_turnedMiles ? double(*m_turnedMiles) : m_startMiles;
}

void OilEntryForm::setMiles(qint64 reading)
{
    m_turnedMiles = reading;
}

void OilEntryForm::setPosition(double latitude, double longitude)
{
    if (isChange())
        return;
    m_oil.dlatitude = latitude;
    m_oil.dlongitude = longitude;
}

std::optional<OilEntryForm::Refusal> OilEntryForm::refusal() const
{
    const QString incomplete = MainBundle::localizedString("资料不完整");
    if (m_total.value() < 0.01)
        return Refusal { Field::Total, incomplete, MainBundle::localizedString("请输入加油的总价。") };
    if (m_price.value() < 0.01)
        return Refusal { Field::Price, incomplete, MainBundle::localizedString("请输入汽油的单价。") };
    if (m_volumn.value() < 0.01)
        return Refusal { Field::Volumn, incomplete, MainBundle::localizedString("请输入加油的体积。") };
    if (m_volumn.value() > NumberConversion::typedValue(m_car->maxVolumn)) {
        return Refusal { Field::Volumn, MainBundle::localizedString("Error"),
            MainBundle::localizedString("体积超出最大油箱容积") };
    }
    return std::nullopt;
}

bool OilEntryForm::save(QString* error)
{
    m_notKept.clear();
    if (const std::optional<Refusal> refused = refusal()) {
        *error = refused->message;
        return false;
    }
    Oil oil = m_oil;
    oil.oilVolumn = m_volumn.value();
    oil.dTotal = m_total.value();
    oil.dUnitPrice = m_price.value();
    oil.mOilInfo = OilInfo::infoAtPosition(m_gradeRow);
    oil.dCarDisplacement = miles();
    QString storeError;
    if (isChange()) {
        if (!oil.update(&storeError)) {
            *error = MainBundle::localizedString("加油记录没有保存。\n%1").arg(storeError);
            return false;
        }
        *m_stored = oil;
    } else {
        oil.carID = m_car->carID;
        if (!m_car->addOil(oil, &storeError)) {
            *error = MainBundle::localizedString("加油记录没有保存。\n%1").arg(storeError);
            return false;
        }
    }
    m_oil = oil;
    if (!isChange())
        saveDefaults();
    return true;
}

// Each follows the stored fill-up and is kept in memory only once written.
void OilEntryForm::saveDefaults()
{
    OilInfo* grade = m_oil.mOilInfo;
    if (!grade)
        return;
    QStringList notKept;
    const float price = NumberConversion::narrowedToFloat(m_oil.dUnitPrice);
    if (price != grade->defaultPrice) {
        const float before = grade->defaultPrice;
        grade->defaultPrice = price;
        if (!grade->update()) {
            // The reason names the file in the list's own words; the user is told what was not saved.
            qCWarning(lcStore).noquote() << OilInfo::listErrorString();
            grade->defaultPrice = before;
            notKept << MainBundle::localizedString(
                "加油记录已保存，但油品的缺省价格没有保存：油品列表无法写入。");
        }
    }
    if (!m_car->mOilInfo || m_car->mOilInfo->dNumber != grade->dNumber) {
        OilInfo* before = m_car->mOilInfo;
        m_car->mOilInfo = grade;
        QString error;
        if (!m_car->update(&error)) {
            m_car->mOilInfo = before;
            notKept << MainBundle::localizedString("加油记录已保存，但车辆的缺省汽油标号没有保存。\n%1")
                           .arg(error);
        }
    }
    m_notKept = notKept.join(QLatin1Char('\n'));
}

std::optional<Date> OilEntryForm::startIncludingOil() const
{
    const Date when = date();
    if (when > Setting::getStartDate())
        return std::nullopt;
    const Date dayStart = DateEx::beginningOfDay(when);
    // The period starts after its start: a fill-up at midnight needs a start just before.
    return when > dayStart ? dayStart : when.addingTimeInterval(-1);
}
