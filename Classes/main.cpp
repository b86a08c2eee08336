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

// Qt ends the process with an abort when no windowing system can be reached; say so in one
// line and exit with a failure status instead.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    std::fprintf(stderr,
        "pumpora: cannot open a window: no usable display (run it on a desktop, "
        "under xvfb-run, or use a command: pumpora --help)\n");
    std::_Exit(EXIT_FAILURE);
}

// Damaged data the store found reads as "pumpora: warning: ..." like every other warning of the
// commands; everything else keeps Qt's own format.
void reportStoreWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, lcStore().categoryName()) == 0)
        std::fprintf(stderr, "pumpora: warning: %s\n", qPrintable(message));
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int startApp(int argc, char* argv[], const QString& dataDirectory)
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
            "pumpora: cannot open a window: no display (DISPLAY is not set; run it on a "
            "desktop, under xvfb-run, or use a command: pumpora --help)\n");
        return EXIT_FAILURE;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(reportMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
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
    qInstallMessageHandler(reportStoreWarnings);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return tool.run(arguments, out, err);
}
