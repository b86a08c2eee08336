#pragma once

#include "platform/MailComposer.h"

// The desktop's mail program through the freedesktop.org tools: xdg-mime tells whether a
// program is registered for mailto: addresses, xdg-email opens its composer with the subject,
// recipients, body and attachments filled in. xdg-email cannot pass a MIME type or a shown file
// name; the mail program takes both from the attached file itself.
class XdgEmailComposer : public MailComposer
{
public:
    // True only when xdg-email is installed and xdg-mime names a handler for mailto:.
    void canSendMail(QObject* receiver, CanSendAnswer answer) override;
    // Sent when xdg-email handed the message over (exit status 0), else Failed with its reason.
    // xdg-email may wait until the mail program is closed; the answer then comes that late.
    void compose(const Message& message, QObject* receiver, Finished finished) override;
};
