#include "cli/CommandLineTool.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "platform/RuntimeDirectory.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/Session.h"
#include "store/StoreStatement.h"
#include "widgets/Application.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Every log record ends here, in Qt's format (QT_MESSAGE_PATTERN), and this is the one place
// that writes them. It writes with the C library's own stream: a Qt stream could log in turn
// while it writes.
void writeLogRecord(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

// Qt ends the process with an abort when no windowing system can be reached; say so in one
// line and exit with a failure status instead.
void writeLogRecordOrMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        writeLogRecord(type, context, message);
        return;
    }
    std::fputs("pumpora: cannot open a window: no usable display (run it on a desktop, "
               "under xvfb-run, or use a command: pumpora --help)\n",
        stderr);
    std::_Exit(EXIT_FAILURE);
}

// Damaged data the store found reads as "pumpora: warning: ..." like every other warning of the
// commands; everything else is logged as in the app.
void writeCommandLogRecord(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, lcStore().categoryName()) == 0)
        std::fputs(qPrintable(QStringLiteral("pumpora: warning: ") + message + QLatin1Char('\n')), stderr);
    else
        writeLogRecord(type, context, message);
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int startApp(int argc, char* argv[], const QString& dataDirectory)
{
    if (!hasDisplay()) {
        QTextStream(stderr) << "pumpora: cannot open a window: no display (DISPLAY is not set; run it "
                               "on a desktop, under xvfb-run, or use a command: pumpora --help)\n";
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(writeLogRecordOrMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(writeLogRecord);
    QApplication::setWindowIcon(MainBundle::applicationIcon());
    // Names the desktop entry, which a Wayland shell shows the window under.
    QGuiApplication::setDesktopFileName(QStringLiteral(PUMPORA_APP_ID));
    FontCatalog::install();
    MainBundle::installTranslator();

    // Everything the app keeps for its data directory lives as long as this session.
    Session session(dataDirectory);
    Application app(std::make_unique<PumporaAppDelegate>());
    // A store that cannot be used is shown in the window; the run then ends with a failure status.
    const bool launched = app.launch();
    const int status = QApplication::exec();
    return launched ? status : EXIT_FAILURE;
}

} // namespace

int main(int argc, char* argv[])
{
    RuntimeDirectory::ensureSet();
    // A file-size limit (or a full disk) makes a write fail, which the writer reports and
    // recovers from; the signal would end the process in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const QStringList arguments = argumentsOf(argc, argv);
    CommandLineTool tool;
    if (tool.startsApp(arguments))
        return startApp(argc, argv, tool.dataDirectory(arguments));

    // Commands draw (charts, PDF pages) but never show anything: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    FontCatalog::install();
    MainBundle::installTranslator();
    qInstallMessageHandler(writeCommandLogRecord);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return tool.run(arguments, out, err);
}
