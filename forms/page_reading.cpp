#include "forms/page_reading.h"
#include <QCoreApplication>

std::optional<Message> ReadPage(PageValues &values, const PageControls &controls, PageFault &fault)
{
    using Field = PageFault::Field;
    // A value that cannot be taken keeps its old one, but the reading goes on:
    // the handler then shows the page again, and must not wipe later typing.
    std::optional<Message> failure;
    const auto fail = [&failure, &fault](Field field, const Message &message) {
        if (!failure) {
            failure = message;
            fault = PageFault{field};
        }
    };

    const PageFields before = values;
    static_cast<PageFields &>(values) = controls;
    if (controls.save_path.size() > kSavePathLimit) {
        fail(Field::SavePath, TooManyCharactersMessage(kSavePathLimit));
        values.save_path = before.save_path;
    }
    if (const auto number = ReadInstantNumber(controls.instant_number))
        values.instant_number = *number;
    else
        fail(Field::InstantNumber, FieldExchangeMessage(QCoreApplication::translate("Messages", "Enter an integer.")));
    if (controls.send_to < 0)
        values.send_to = before.send_to;
    if (controls.rename_text.size() > kRenameTextLimit) {
        fail(Field::RenameText, TooManyCharactersMessage(kRenameTextLimit));
        values.rename_text = before.rename_text;
    }
    return failure;
}

std::optional<int> ReadInstantNumber(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}
