#include "profile/operator_entry.h"

#include "profile/record_text.h"

OperatorEntry BlankCustomEntry(const char *name)
{
    OperatorEntry entry{.mms_gateway = "0.0.0.0", .mms_port = "0"};
    StoreRecordText(entry.name, QString::fromLatin1(name));
    return entry;
}

QString EntryName(const OperatorEntry &entry)
{
    return LoadRecordText(entry.name);
}
