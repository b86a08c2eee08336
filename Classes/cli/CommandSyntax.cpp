#include "cli/CommandSyntax.h"

namespace {

// "-h, --help", "--car".
QString namesOf(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
    return names.join(QLatin1String(", "));
}

QString longestName(const QCommandLineOption& option)
{
    return QLatin1String("--") + option.names().constLast();
}

// "--car KEY", "--json".
QString usageOf(const QCommandLineOption& option)
{
    return option.valueName().isEmpty() ? longestName(option)
                                        : longestName(option) + QLatin1Char(' ') + option.valueName();
}

// Two columns: the names padded to the widest, the descriptions wrapped beside them.
QString table(const QString& caption, const QList<std::pair<QString, QString>>& rows)
{
    if (rows.isEmpty())
        return QString();
    qsizetype widest = 0;
    for (const auto& row : rows)
        widest = std::max(widest, row.first.size());
    const int indent = int(widest) + 4;
    QString text = caption + QLatin1String(":\n");
    for (const auto& row : rows) {
        text += QStringLiteral("  %1  ").arg(row.first, -int(widest))
            + CommandSyntax::wrapped(row.second, indent, 80 - indent) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

CommandSyntax& CommandSyntax::option(const QCommandLineOption& option)
{
    m_options.append({ option, false });
    return *this;
}

CommandSyntax& CommandSyntax::informationOption(const QCommandLineOption& option)
{
    m_options.append({ option, true });
    return *this;
}

CommandSyntax& CommandSyntax::argument(const QString& name, const QString& description)
{
    m_arguments.append({ name, description });
    return *this;
}

CommandSyntax& CommandSyntax::remainder(const QString& syntax)
{
    m_remainder = syntax;
    return *this;
}

QString CommandSyntax::synopsis() const
{
    QStringList parts;
    for (const Option& declared : m_options) {
        if (!declared.informational)
            parts << QLatin1Char('[') + usageOf(declared.option) + QLatin1Char(']');
    }
    for (const Argument& argument : m_arguments)
        parts << argument.name;
    if (!m_remainder.isEmpty())
        parts << m_remainder;
    return parts.join(QLatin1Char(' '));
}

QString CommandSyntax::tables() const
{
    QList<std::pair<QString, QString>> options;
    for (const bool informational : { false, true }) {
        for (const Option& declared : m_options) {
            const QCommandLineOption& option = declared.option;
            if (declared.informational != informational)
                continue;
            const QString names = option.valueName().isEmpty()
                ? namesOf(option)
                : namesOf(option) + QLatin1Char(' ') + option.valueName();
            options.append({ names, option.description() });
        }
    }
    QList<std::pair<QString, QString>> arguments;
    for (const Argument& argument : m_arguments)
        arguments.append({ argument.name, argument.description });
    const QString optionTable = table(QStringLiteral("Options"), options);
    const QString argumentTable = table(QStringLiteral("Arguments"), arguments);
    return optionTable.isEmpty() || argumentTable.isEmpty() ? optionTable + argumentTable
                                                            : optionTable + QLatin1Char('\n') + argumentTable;
}

bool CommandSyntax::parse(QCommandLineParser& parser, const QStringList& arguments, QString* error) const
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    bool declared = true;
    for (const Option& option : m_options)
        declared = parser.addOption(option.option) && declared;
    Q_ASSERT_X(declared, "CommandSyntax::parse", "an option is declared twice");
    // The parser skips the first element, which names the program.
    if (!parser.parse(QStringList { QString() } + arguments)) {
        // "Unknown option 'x'." reads as the other messages: "unknown option 'x'".
        QString text = parser.errorText();
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        *error = text.left(1).toLower() + text.mid(1);
        return false;
    }
    bool informationAsked = false;
    for (const Option& option : m_options) {
        const QString name = option.option.names().constLast();
        if (!parser.isSet(name))
            continue;
        informationAsked = informationAsked || option.informational;
        if (!option.option.valueName().isEmpty() && parser.value(name).isEmpty()) {
            *error = QStringLiteral("%1 needs a non-empty %2")
                         .arg(longestName(option.option), option.option.valueName());
            return false;
        }
    }
    if (informationAsked)
        return true;
    const QStringList given = parser.positionalArguments();
    if (given.size() < m_arguments.size()) {
        *error = QStringLiteral("%1 is missing").arg(m_arguments.at(given.size()).name);
        return false;
    }
    if (given.size() > m_arguments.size() && m_remainder.isEmpty()) {
        *error = QStringLiteral("unexpected argument '%1'").arg(given.at(m_arguments.size()));
        return false;
    }
    return true;
}

QCommandLineOption CommandSyntax::helpOption()
{
    return QCommandLineOption(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Print this help, then exit."));
}

QString CommandSyntax::wrapped(const QString& text, int indent, int width)
{
    const QString margin(indent, QLatin1Char(' '));
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    lines << line;
    return lines.join(QLatin1Char('\n') + margin);
}
