#include "cli/CommandLineTool.h"
#include "platform/DocumentsDirectory.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "platform/RuntimeDirectory.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "widgets/Application.h"

#include <QApplication>
#include <QTextStream>

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

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int startApp(int argc, char* argv[])
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
    FontCatalog::install();
    MainBundle::installTranslator();

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
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLineTool::Invocation invocation = CommandLineTool::parse(arguments);
    if (CommandLineTool::startsApp(arguments)) {
        if (!invocation.dataDirectory.isEmpty())
            DocumentsDirectory::setPath(invocation.dataDirectory);
        return startApp(argc, argv);
    }

    // Commands draw (charts, PDF pages) but never show anything: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    FontCatalog::install();
    MainBundle::installTranslator();
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool;
    return tool.run(arguments, out, err);
}
