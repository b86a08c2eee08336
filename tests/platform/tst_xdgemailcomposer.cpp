#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "platform/XdgEmailComposer.h"

#include <QtTest>

#include <optional>

using Result = MailComposer::Result;

// The desktop's mail tools stood in for by scripts on a PATH of their own: what the composer
// asks them and how it reads their answers. No mail program is ever started.
class TestXdgEmailComposer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_tools;
    QByteArray m_path;

    // A tool that records its arguments one per line, says something on its error channel
    // and ends with that status.
    void addTool(const QString& name, const QString& output, const QString& complaint, int status)
    {
        QFile tool(m_tools->filePath(name));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral(
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.args'\nprintf '%2'\nprintf '%3' >&2\nexit %4\n")
                       .arg(tool.fileName(), output, complaint)
                       .arg(status)
                       .toUtf8());
        tool.close();
        QVERIFY(tool.setPermissions(tool.permissions() | QFile::ExeOwner));
    }

    QStringList argumentsOf(const QString& name)
    {
        QFile arguments(m_tools->filePath(name + QStringLiteral(".args")));
        if (!arguments.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(arguments.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
        m_path = qgetenv("PATH");
    }

    void init()
    {
        m_tools = std::make_unique<QTemporaryDir>();
        qputenv("PATH", m_tools->path().toLocal8Bit());
    }

    void cleanup() { qputenv("PATH", m_path); }

    void canSendMail_data()
    {
        QTest::addColumn<bool>("withXdgEmail");
        QTest::addColumn<QString>("handler"); // xdg-mime's answer; none: no xdg-mime
        QTest::addColumn<bool>("canSend");
        QTest::newRow("a mail program registered") << true << "thunderbird.desktop\\n" << true;
        QTest::newRow("no mail program registered") << true << "" << false;
        QTest::newRow("no xdg-email") << false << "thunderbird.desktop\\n" << false;
        QTest::newRow("no xdg-mime") << true << QString() << false;
    }

    void canSendMail()
    {
        QFETCH(bool, withXdgEmail);
        QFETCH(QString, handler);
        QFETCH(bool, canSend);
        if (withXdgEmail)
            addTool(QStringLiteral("xdg-email"), QString(), QString(), 0);
        if (!handler.isNull())
            addTool(QStringLiteral("xdg-mime"), handler, QString(), 0);
        std::optional<bool> answer;
        QObject receiver;
        XdgEmailComposer().canSendMail(&receiver, [&answer](bool can) { answer = can; });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, canSend);
        QCOMPARE(argumentsOf(QStringLiteral("xdg-mime")),
            handler.isNull() || !withXdgEmail
                ? QStringList()
                : QStringList({ "query", "default", "x-scheme-handler/mailto" }));
        QVERIFY(argumentsOf(QStringLiteral("xdg-email")).isEmpty());
    }

    // xdg-email's status is the hand-off's result; its complaint, or else its status, the reason.
    void compose_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("complaint");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("reason");
        QTest::newRow("handed over") << 0 << "" << Result::Sent << "";
        QTest::newRow("refused with a reason")
            << 4 << "xdg-email: no method available" << Result::Failed << "xdg-email: no method available";
        QTest::newRow("refused without one") << 3 << "" << Result::Failed << "xdg-email ended with status 3";
    }

    void compose()
    {
        QFETCH(int, status);
        QFETCH(QString, complaint);
        QFETCH(Result, result);
        QFETCH(QString, reason);
        addTool(QStringLiteral("xdg-email"), QString(), complaint, status);
        MailComposer::Message message;
        message.subject = QStringLiteral("Gas Report from Fuelmo");
        message.toRecipients = { QStringLiteral("support@pumpora.example") };
        message.attachments = { { QStringLiteral("/tmp/a report.pdf"), QStringLiteral("application/pdf"),
            QStringLiteral("a report.pdf") } };
        std::optional<std::pair<Result, QString>> answer;
        QObject receiver;
        XdgEmailComposer().compose(message, &receiver, [&answer](Result got, const QString& why) {
            answer = { got, why };
        });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(answer->first, result);
        QCOMPARE(answer->second, reason);
        QCOMPARE(argumentsOf(QStringLiteral("xdg-email")),
            QStringList({ "--utf8", "--subject", "Gas Report from Fuelmo", "--attach", "/tmp/a report.pdf",
                "support@pumpora.example" }));
    }
};

QTEST_MAIN(TestXdgEmailComposer)
#include "tst_xdgemailcomposer.moc"
