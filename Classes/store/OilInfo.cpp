#include "store/OilInfo.h"

#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/ReferenceListFile.h"

#include <QVariantMap>

namespace {

const QString kIdKey = QStringLiteral("id");
const QString kPriceKey = QStringLiteral("price");
const QString kNameKey = QStringLiteral("name");

ReferenceListFile gradeFile()
{
    return ReferenceListFile(QStringLiteral("OilSpec_Info"), QStringLiteral("OilSpec"));
}

struct GradeList
{
    OilInfo::List grades;
    bool loaded = false;
    // Whether the file held exactly what the list holds; otherwise the next write keeps the
    // file aside first, so that grades left out on reading are not lost with it.
    bool readInFull = false;
    QString problem;
};

GradeList& gradeList()
{
    static GradeList list;
    return list;
}

void load(GradeList& list)
{
    QStringList problems;
    const QVariantList elements = gradeFile().readElements(&problems);
    for (qsizetype index = 0; index < elements.size(); ++index) {
        const QVariantMap record = elements.at(index).toMap();
        const std::optional<unsigned> number = ReferenceListFile::numberField(record, kIdKey);
        const std::optional<float> price = ReferenceListFile::realField(record, kPriceKey);
        const std::optional<QString> name = ReferenceListFile::textField(record, kNameKey);
        if (!number || !price || !name) {
            problems.append(QStringLiteral(
                "grade %1 lacks an integer id, a number price or a string name; it was left out")
                                .arg(index));
            continue;
        }
        auto grade = std::make_unique<OilInfo>();
        grade->dNumber = *number;
        grade->defaultPrice = *price;
        grade->specName = *name;
        list.grades.push_back(std::move(grade));
    }
    list.loaded = true;
    list.readInFull = problems.isEmpty();
    list.problem = problems.join(QStringLiteral("; "));
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
    return list.grades;
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
    QString problem;
    if ((!list.readInFull && !file.keepDamagedCopy(&problem)) || !file.writeElements(records, &problem)) {
        list.problem = problem;
        return false;
    }
    list.readInFull = true;
    list.problem.clear();
    return true;
}

OilInfo* OilInfo::infoAtPosition(qint64 position)
{
    return ReferenceListFile::recordAtPosition(OilInfoDList(), position);
}

QString OilInfo::listProblem()
{
    OilInfoDList();
    return gradeList().problem;
}

void OilInfo::resetForTesting()
{
    gradeList() = GradeList();
}
