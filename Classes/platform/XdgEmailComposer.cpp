#include "platform/XdgEmailComposer.h"

#include "platform/MainBundle.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>

namespace {

// xdg-mime only reads a few files; one that does not answer in this time is taken for no.
constexpr int kQueryTimeoutMs = 15000;

using ToolEnded = std::function<void(int status, const QString& error)>;

// Starts the process and calls ended once with its exit status (-1 when it did not start or
// crashed) and what it wrote to its error channel, unless the receiver is gone by then. The
// process object goes once the tool has ended.
void start(QProcess* process, QObject* receiver, ToolEnded ended)
{
    auto answered = std::make_shared<bool>(false);
    auto endOnce = [answered, ended](int status, const QString& error) {
        if (!*answered) {
            *answered = true;
            ended(status, error);
        }
    };
    QObject::connect(process, &QProcess::finished, receiver,
        [process, endOnce](int exitCode, QProcess::ExitStatus exitStatus) {
            const bool normal = exitStatus == QProcess::NormalExit;
            endOnce(normal ? exitCode : -1, normal ? QString() : process->errorString());
        });
    QObject::connect(
        process, &QProcess::errorOccurred, receiver, [process, endOnce](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                endOnce(-1, process->errorString());
        });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
}

} // namespace

void XdgEmailComposer::canSendMail(QObject* receiver, CanSendAnswer answer)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty() || xdgMime.isEmpty()) {
        QMetaObject::invokeMethod(
            receiver, [answer] { answer(false); }, Qt::QueuedConnection);
        return;
    }
    auto* query = new QProcess;
    query->setProgram(xdgMime);
    query->setArguments(
        { QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto") });
    query->setStandardInputFile(QProcess::nullDevice());
    QTimer::singleShot(kQueryTimeoutMs, query, [query] { query->kill(); });
    // It prints the handler's desktop file, or nothing when there is none.
    start(query, receiver, [query, answer](int status, const QString&) {
        answer(status == 0 && !query->readAllStandardOutput().trimmed().isEmpty());
    });
}

void XdgEmailComposer::compose(const Message& message, QObject* receiver, Finished finished)
{
    QStringList arguments { QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject };
    if (!message.body.isEmpty())
        arguments << QStringLiteral("--body") << message.body;
    for (const Attachment& attachment : message.attachments)
        arguments << QStringLiteral("--attach") << attachment.filePath;
    arguments << message.toRecipients;

    auto* email = new QProcess;
    email->setProgram(QStringLiteral("xdg-email"));
    email->setArguments(arguments);
    email->setStandardInputFile(QProcess::nullDevice());
    // The mail program it starts inherits its output channels and may outlive it: they go to
    // places that stay writable (a pipe closed under it could end the mail program).
    email->setStandardOutputFile(QProcess::nullDevice());
    auto* errorOutput = new QTemporaryFile(email);
    if (errorOutput->open())
        email->setStandardErrorFile(errorOutput->fileName());
    start(email, receiver, [errorOutput, finished](int status, const QString& startError) {
        if (status == 0) {
            finished(Result::Sent, QString());
            return;
        }
        QString error = QString::fromLocal8Bit(errorOutput->readAll()).trimmed();
        if (error.isEmpty())
            error = startError;
        finished(Result::Failed,
            error.isEmpty() ? MainBundle::localizedString("xdg-email 以状态 %1 结束").arg(status) : error);
    });
}
