#include "store/OilInfo.h"

#include "platform/MainBundle.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/ReferenceListFile.h"
#include "store/Session.h"

#include <QVariantMap>

namespace {

const QString kIdKey = QStringLiteral("id");
const QString kPriceKey = QStringLiteral("price");
const QString kNameKey = QStringLiteral("name");

ReferenceListFile gradeFile()
{
    return ReferenceListFile(QStringLiteral("OilSpec_Info"), QStringLiteral("OilSpec"));
}

using GradeList = ReferenceList<OilInfo>;

GradeList& gradeList()
{
    return Session::current().grades();
}

void load(GradeList& list)
{
    const QString notReadInFull = MainBundle::localizedString("油品 %1 无法完整读取，仍保留它在列表中的位置");
    gradeFile().load(list, notReadInFull, [](const QVariantMap& element, OilInfo& grade) {
        const std::optional<unsigned> number = ReferenceListFile::numberField(element, kIdKey);
        const std::optional<float> price = ReferenceListFile::realField(element, kPriceKey);
        const std::optional<QString> name = ReferenceListFile::textField(element, kNameKey);
        grade.dNumber = number.value_or(grade.dNumber);
        grade.defaultPrice = price.value_or(grade.defaultPrice);
        grade.specName = name.value_or(grade.specName);
        return number && price && name;
    });
}

} // namespace

bool OilInfo::update() const
{
    return updateOilInfoDList();
}

QString OilInfo::stringPrice() const
{
    return StringFormat::CIStringFromFloatValue(defaultPrice);
}

OilInfo::List& OilInfo::OilInfoDList()
{
    GradeList& list = gradeList();
    if (!list.loaded)
        load(list);
    return list.records;
}

bool OilInfo::updateOilInfoDList()
{
    const List& grades = OilInfoDList();
    GradeList& list = gradeList();
    QVariantList records;
    records.reserve(qsizetype(grades.size()));
    for (const std::unique_ptr<OilInfo>& grade : grades) {
        records.append(QVariantMap {
            { kIdKey, grade->dNumber },
            { kPriceKey, NumberConversion::typedValue(grade->defaultPrice) },
            { kNameKey, grade->specName },
        });
    }

    const ReferenceListFile file = gradeFile();
    QString error;
    // A copy that could not be read at all gave no grades, and writing none would empty it;
    // listErrorString() still says why it could not be read.
    if (!list.readInFull && grades.empty())
        return false;
    if ((!list.readInFull && !file.keepDamagedCopy(&error)) || !file.writeElements(records, &error)) {
        list.errorString = error;
        return false;
    }
    list.readInFull = true;
    list.errorString.clear();
    return true;
}

OilInfo* OilInfo::infoAtPosition(qint64 position)
{
    return ReferenceListFile::recordAtPosition(OilInfoDList(), position);
}

QString OilInfo::listErrorString()
{
    OilInfoDList();
    return gradeList().errorString;
}
