#include "profile/record_text.h"

#include "profile/code_page.h"

#include <algorithm>
#include <cstring>

void StoreRecordText(std::span<char> field, const QString &text)
{
    if (field.empty())
        return;
    const QByteArray bytes = CodePage::encode(text);
    const std::size_t length = std::min<std::size_t>(bytes.size(), field.size() - 1);
    std::memcpy(field.data(), bytes.constData(), length);
    field[length] = '\0';
}

QString LoadRecordText(std::span<const char> field)
{
    return CodePage::decode(QByteArrayView(field.data(), qsizetype(qstrnlen(field.data(), field.size()))));
}

void ClearRecordText(std::span<char> field)
{
    std::fill(field.begin(), field.end(), '\0');
}
