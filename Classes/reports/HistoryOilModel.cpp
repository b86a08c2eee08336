#include "reports/HistoryOilModel.h"

#include "reports/DateEx.h"
#include "reports/NumberConversion.h"
#include "reports/OilReportItem.h"
#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QHash>

#include <algorithm>

namespace {

// A header's internal id; a fill-up's is its section's number plus one.
constexpr quintptr kSectionId = 0;

Date dateOf(const Oil& oil)
{
    return oil.date.value_or(Date(0));
}

} // namespace

HistoryOilModel::HistoryOilModel(QObject* parent)
    : QAbstractItemModel(parent)
{ }

bool HistoryOilModel::read(const CarInfo& car)
{
    QString error;
    std::optional<QList<Oil>> oils = car.getAllOil(&error);
    const std::optional<QList<OilReportItem>> months = oils ? car.getMonthReportData(&error) : std::nullopt;
    beginResetModel();
    m_oils.clear();
    m_sections.clear();
    m_errorString.clear();
    if (oils && months) {
        m_oils = std::move(*oils);
        // The store returns them in this order already; sorting a sorted log would still move
        // every record.
        if (!std::is_sorted(m_oils.cbegin(), m_oils.cend(), OilDateCompare))
            std::stable_sort(m_oils.begin(), m_oils.end(), OilDateCompare);
        m_mileageUnit = Unit::orNone(car.unit).MileageUnit;
        m_volumnUnit = Unit::orNone(car.unit).VolumnUnit;
        m_currency = Utility::getCurrencySybol();
        cutIntoSections();
        // A header takes the figures of its own month. The figures group by the month stored
        // with each fill-up, the sections by the device's time zone now; after a move to
        // another zone a section can have no figures, or its neighbour's by position.
        QHash<unsigned, OilReportItem> figures;
        for (const OilReportItem& month : *months)
            figures.insert(unsigned(month.monthInteger), month);
        for (Section& section : m_sections) {
            const Date first = dateOf(m_oils.at(section.first));
            section.title = DateEx::getMonthStringWithDate(first);
            const auto month = figures.constFind(DateEx::numberMonth(first));
            if (month != figures.cend() && car.unit)
                section.title = StringFormat::format(QStringLiteral("%@(%@)"),
                    { section.title, car.unit->unitCostPeMileageFrom(month->totalMiles, month->totalMoney) });
        }
    } else {
        m_errorString = error;
    }
    endResetModel();
    return m_errorString.isEmpty();
}

// Runs of the same month: with the fill-ups in date order, a run ends at the first fill-up on
// or after the start of the next month. One calendar question per month instead of two per
// fill-up keeps a long log quick to open.
void HistoryOilModel::cutIntoSections()
{
    Date nextMonth(0);
    for (qsizetype i = 0; i < m_oils.size(); ++i) {
        const Date date = dateOf(m_oils.at(i));
        if (m_sections.isEmpty() || date >= nextMonth) {
            m_sections.append({ i, 0, QString() });
            nextMonth = DateEx::beginningOfNextMonth(date);
        }
        ++m_sections.last().count;
    }
}

QString HistoryOilModel::titleForHeaderInSection(int section) const
{
    return section >= 0 && section < m_sections.size() ? m_sections.at(section).title : QString();
}

const Oil* HistoryOilModel::oil(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() == kSectionId)
        return nullptr;
    return &m_oils.at(m_sections.at(qsizetype(index.internalId() - 1)).first + index.row());
}

QModelIndex HistoryOilModel::indexOfOil(double oilID) const
{
    for (int section = 0; section < m_sections.size(); ++section) {
        const Section& run = m_sections.at(section);
        for (qsizetype row = 0; row < run.count; ++row) {
            if (m_oils.at(run.first + row).oilID == oilID)
                return createIndex(int(row), 0, quintptr(section) + 1);
        }
    }
    return QModelIndex();
}

QModelIndex HistoryOilModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    if (!parent.isValid())
        return createIndex(row, column, kSectionId);
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex HistoryOilModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kSectionId)
        return QModelIndex();
    return createIndex(int(child.internalId() - 1), 0, kSectionId);
}

int HistoryOilModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return sectionCount();
    if (parent.column() != 0 || parent.internalId() != kSectionId)
        return 0;
    return int(m_sections.at(parent.row()).count);
}

int HistoryOilModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant HistoryOilModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Oil* fillUp = oil(index);
    if (!fillUp)
        return role == Qt::DisplayRole ? QVariant(titleForHeaderInSection(index.row())) : QVariant();
    if (role == WeekendRole) {
        const int weekday = DateEx::weekday(dateOf(*fillUp));
        return weekday == 1 || weekday == 7;
    }
    if (role == Qt::DisplayRole) {
        QStringList texts;
        for (const int part : { DayRole, WeekRole, MilesRole, PriceRole, MoneyRole, VolumnRole })
            texts << fillUpText(*fillUp, part);
        return texts.join(QLatin1Char(' '));
    }
    const QString text = fillUpText(*fillUp, role);
    return text.isNull() ? QVariant() : QVariant(text);
}

QString HistoryOilModel::fillUpText(const Oil& oil, int role) const
{
    switch (role) {
    case DayRole:
        return StringFormat::format(QStringLiteral("%d"), { DateEx::getDay(dateOf(oil)) });
    case WeekRole:
        return DateEx::localWeekString(dateOf(oil));
    case MilesRole:
        return StringFormat::format(QStringLiteral("%d %@"),
            { NumberConversion::truncatedToInt64(oil.dCarDisplacement), m_mileageUnit });
    case PriceRole:
        return m_currency
            + StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(oil.dUnitPrice));
    case MoneyRole:
        return m_currency
            + StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(oil.dTotal));
    case VolumnRole: {
        // The volume the amounts give, not the one stored: a price of 0 shows 0.
        const double volumn = oil.dUnitPrice == 0 ? 0 : oil.dTotal / oil.dUnitPrice;
        return StringFormat::format(QStringLiteral("%@ %@"),
            { StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(volumn)),
                m_volumnUnit });
    }
    default:
        return QString();
    }
}

Qt::ItemFlags HistoryOilModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (!oil(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
