#include "cli/HeadlessCommand.h"

#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QFileInfo>

bool HeadlessCommand::openLog(QTextStream& err)
{
    if (!QFileInfo(DocumentsDirectory::path()).isDir()) {
        fail(err,
            MainBundle::localizedString("数据目录 %1 不存在（pumpora init 会在那里新建油耗记录）")
                .arg(DocumentsDirectory::path()));
        return false;
    }
    QString error;
    if (!Utility::checkDatabase(&error) || !CarManage::sharedCarManage()->loadDefaultCar(&error)) {
        fail(err, error);
        return false;
    }
    // A damaged grade or unit list reads short or empty; say so rather than show less.
    for (const QString& problem : { OilInfo::listProblem(), Unit::listProblem() }) {
        if (!problem.isEmpty())
            err << "pumpora: warning: " << problem << '\n';
    }
    return true;
}

int HeadlessCommand::fail(QTextStream& err, const QString& message)
{
    err << "pumpora: " << message << '\n';
    return Failure;
}

QString HeadlessCommand::printable(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            shown += QLatin1String("\\r");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

CarInfo* HeadlessCommand::chooseCar(const QString& key, QTextStream& err, int& status)
{
    CarManage* manager = CarManage::sharedCarManage();
    if (key.isNull()) {
        CarInfo* current = manager->mCurrentCarInfo();
        if (!current || current->carID.isEmpty()) {
            err << "pumpora: the log has no car yet\n";
            status = Failure;
            return nullptr;
        }
        return current;
    }
    for (CarInfo* car : manager->getAllCars()) {
        if (car->carID == key)
            return car;
    }
    err << "pumpora: no car has the key '" << printable(key) << "' (see pumpora cars)\n";
    status = UsageError;
    return nullptr;
}
