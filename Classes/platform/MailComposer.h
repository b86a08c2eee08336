#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Hands a message to the user's mail program, where the user reviews and sends it: the report
// e-mail, the support e-mail. Both answers come back on the caller's thread through the event
// loop, so the window keeps answering while the platform is asked.
class MailComposer
{
public:
    // How a hand-off ended, in the order a phone's mail composer reports it. Sent means the mail
    // program took the message; whether it then leaves the machine is up to that program.
    enum class Result
    {
        Cancelled,
        Saved,
        Sent,
        Failed
    };

    struct Attachment
    {
        QString filePath;
        QString mimeType;
        // The name the recipient sees.
        QString fileName;
    };

    struct Message
    {
        QString subject;
        QStringList toRecipients;
        QString body;
        QList<Attachment> attachments;
    };

    using CanSendAnswer = std::function<void(bool canSend)>;
    // What went wrong accompanies Failed; it is empty otherwise.
    using Finished = std::function<void(Result result, const QString& error)>;

    virtual ~MailComposer() = default;

    // Whether a mail program can take a message now. The answer is delivered to the receiver's
    // thread; none when the receiver is gone by then.
    virtual void canSendMail(QObject* receiver, CanSendAnswer answer) = 0;

    // Hands the message over; finished is called once, on the receiver's thread, unless the
    // receiver is gone by then.
    virtual void compose(const Message& message, QObject* receiver, Finished finished) = 0;
};
