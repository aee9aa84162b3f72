#include "readback/settings_json_schema.h"

#include "readback/settings_listing.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

QJsonObject objectSchema()
{
    return {{QStringLiteral("type"), QStringLiteral("object")}, {QStringLiteral("additionalProperties"), false},
            {QStringLiteral("properties"), QJsonObject()}};
}

QJsonObject integerRange(int minimum, int maximum)
{
    return {{QStringLiteral("type"), QStringLiteral("integer")},
            {QStringLiteral("minimum"), minimum},
            {QStringLiteral("maximum"), maximum}};
}

// An item by its text, or as `show --json` prints it: {"value": N, "text": ...}.
QJsonObject listedSchema(const FieldShape &field)
{
    const bool secure = field.row->kind == SettingKind::SecureType;
    const bool fixedItems = field.row->kind != SettingKind::Operator;
    const auto last = int(field.items.size()) - 1;
    const QJsonObject value = !fixedItems ? integerRange(0, 255) : secure ? integerRange(0x40, 0x40 + last)
                                                                           : integerRange(0, last);
    QJsonObject text{{QStringLiteral("type"), QJsonArray{QStringLiteral("string"), QStringLiteral("null")}}};
    QJsonObject byText{{QStringLiteral("type"), QStringLiteral("string")}};
    if (fixedItems) {
        const QJsonArray items = QJsonArray::fromStringList(field.items);
        byText = {{QStringLiteral("enum"), items}};
        text = {{QStringLiteral("enum"), QJsonArray(items) << QJsonValue()}};
    }
    const QJsonObject byValue{{QStringLiteral("type"), QStringLiteral("object")},
                              {QStringLiteral("additionalProperties"), false},
                              {QStringLiteral("required"), QJsonArray{QStringLiteral("value")}},
                              {QStringLiteral("properties"),
                               QJsonObject{{QStringLiteral("value"), value}, {QStringLiteral("text"), text}}}};
    return {{QStringLiteral("oneOf"), QJsonArray{byText, byValue}}};
}

QJsonObject fieldSchema(const FieldShape &field)
{
    QJsonObject schema;
    const SettingKind kind = field.row->kind;
    if (field.listed)
        schema = listedSchema(field);
    else if (field.text)
        schema = {{QStringLiteral("type"), QStringLiteral("string")}, {QStringLiteral("maxLength"), field.size - 1}};
    else if (kind == SettingKind::Number || kind == SettingKind::Days)
        schema = integerRange(0, 255);
    else
        schema = integerRange(0, field.count - 1);
    if (kind == SettingKind::Address)
        schema.insert(QStringLiteral("pattern"), QStringLiteral("^(\\d{1,3}(\\.\\d{1,3}){3})?$"));
    QString description = field.row->label();
    if (!field.row->tip.isEmpty())
        description += QStringLiteral(": ") + QCoreApplication::translate(field.row->tip.context, field.row->tip.source);
    schema.insert(QStringLiteral("description"), description);
    return schema;
}

// Puts the schema at its dotted key, each part below the first an object of its own.
void insertAt(QJsonObject &object, QStringList path, const QJsonObject &schema)
{
    QJsonObject properties = object.value(u"properties").toObject();
    const QString name = path.takeFirst();
    if (path.isEmpty()) {
        properties.insert(name, schema);
    } else {
        QJsonObject inner = properties.contains(name) ? properties.value(name).toObject() : objectSchema();
        insertAt(inner, path, schema);
        properties.insert(name, inner);
    }
    object.insert(QStringLiteral("properties"), properties);
}

} // namespace

QJsonObject SettingsJsonSchema()
{
    QJsonObject schema = objectSchema();
    schema.insert(QStringLiteral("$schema"), QStringLiteral("https://json-schema.org/draft/2020-12/schema"));
    schema.insert(QStringLiteral("title"), QStringLiteral("TalmerisSetup settings"));
    QJsonObject properties;
    properties.insert(QStringLiteral("format"),
                      QJsonObject{{QStringLiteral("enum"), QJsonArray{QStringLiteral("PROFILE.BIN"),
                                                                       QStringLiteral("Working copy")}},
                                  {QStringLiteral("description"), QStringLiteral("The file it was read from; write takes no notice of it.")}});
    properties.insert(QStringLiteral("out_of_range"),
                      QJsonObject{{QStringLiteral("type"), QStringLiteral("array")},
                                  {QStringLiteral("items"), QJsonObject{{QStringLiteral("type"), QStringLiteral("string")}}},
                                  {QStringLiteral("description"), QStringLiteral("The keys whose value lies outside its list or range; write takes no notice of it.")}});
    schema.insert(QStringLiteral("properties"), properties);
    for (const FieldShape *field : ListedFields())
        insertAt(schema, field->key.split(u'.'), fieldSchema(*field));
    return schema;
}
