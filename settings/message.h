#pragma once

#include <QString>

// One message box: what a model hands its view when a check fails or a step
// reports; the view shows it through the prompter.
struct Message {
    enum class Icon { None, Error, Warning };

    QString caption;
    QString text;
    Icon icon = Icon::None;

    friend bool operator==(const Message &, const Message &) = default;
};

// The standard field-exchange messages, which carry the application's title.
Message FieldExchangeMessage(const QString &text);
// A typed text longer than its field takes.
Message TooManyCharactersMessage(int limit);
