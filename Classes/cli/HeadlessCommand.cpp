#include "cli/HeadlessCommand.h"

#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QFileInfo>

HeadlessCommand::HeadlessCommand(const QString& name, const QString& summary)
    : m_name(name)
    , m_summary(summary)
{
    m_syntax.informationOption(CommandSyntax::helpOption());
}

QString HeadlessCommand::usage() const
{
    const QString synopsis = m_syntax.synopsis();
    return synopsis.isEmpty() ? m_name : m_name + QLatin1Char(' ') + synopsis;
}

QString HeadlessCommand::helpText() const
{
    return QStringLiteral("Usage: pumpora %1\n\n%2\n\n%3")
        .arg(usage(), CommandSyntax::wrapped(m_summary, 0), m_syntax.tables());
}

int HeadlessCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    QString error;
    if (!m_syntax.parse(parser, arguments, &error)) {
        err << "pumpora: " << printable(error) << " (usage: pumpora " << usage() << ")\n";
        return UsageError;
    }
    if (parser.isSet(CommandSyntax::helpOption())) {
        out << helpText();
        return Success;
    }
    return execute(parser, out, err);
}

QCommandLineOption HeadlessCommand::carOption()
{
    return QCommandLineOption(QStringLiteral("car"),
        QStringLiteral("The car with that key (see pumpora cars); without it, the current car."),
        QStringLiteral("KEY"));
}

QCommandLineOption HeadlessCommand::jsonOption()
{
    return QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print one JSON document."));
}

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
    // A damaged grade or unit list reads empty or with entries it could not read in full; say
    // so rather than show them as if nothing were wrong.
    for (const QString& listError : { OilInfo::listErrorString(), Unit::listErrorString() }) {
        if (!listError.isEmpty())
            err << "pumpora: warning: " << listError << '\n';
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
