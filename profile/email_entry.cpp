#include "profile/email_entry.h"

#include "profile/record_text.h"

QString EmailLocalPart(const QString &email)
{
    const qsizetype at = email.indexOf(u'@');
    return at < 0 ? QString() : email.left(at);
}

void StoreSenderAddress(EmailEntry &entry, const QString &email)
{
    StoreRecordText(entry.email, email);
    StoreRecordText(entry.email_local_part, EmailLocalPart(email));
}

const EmailEntry &DefaultSender()
{
    static const EmailEntry sender{
        .smtp_server = "smtp.1und1.de",
        .smtp_port = "25",
        .secure_type = SecureType::kNone,
    };
    return sender;
}
