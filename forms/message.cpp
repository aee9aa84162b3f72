#include "forms/message.h"

#include <QCoreApplication>

Message FieldExchangeMessage(const QString &text)
{
    return {QCoreApplication::applicationName(), text, Message::Icon::Warning};
}

Message TooManyCharactersMessage(int limit)
{
    return FieldExchangeMessage(QStringLiteral("Enter no more than %1 characters.").arg(limit));
}
