#include "settings/message.h"

#include <QCoreApplication>

Message FieldExchangeMessage(const QString &text)
{
    return {QCoreApplication::applicationName(), text, Message::Icon::Warning};
}

Message TooManyCharactersMessage(int limit)
{
    return FieldExchangeMessage(QCoreApplication::translate("Messages", "Enter no more than %1 characters.").arg(limit));
}
