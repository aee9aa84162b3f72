#pragma once

#include "settings/profile_session.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>

// What keeps a settings document from being written: the key it concerns
// (none for the document as a whole), its line in a JSON document (0 when
// unknown) and why. A window's refusal names its caption in the text.
struct DocumentProblem {
    QString key;
    int line = 0;
    QString text;

    QString message() const;
};

// The settings as `talmeris-profile show --json` prints them, flattened to
// their dotted keys; each key's line in its JSON document, where it has one.
struct SettingsDocument {
    QMap<QString, QJsonValue> values;
    QMap<QString, int> lines;
};

// Reads a JSON document, a PROFILE.BIN or a working copy (told apart by its
// first character and its size); problems when it is none of them, or names
// a key no setting has.
std::variant<SettingsDocument, QList<DocumentProblem>> ReadSettingsDocument(const QByteArray &bytes);

// `KEY=VALUE` on top of the document: the value as the key's kind reads it,
// an item by its text or its value.
std::optional<DocumentProblem> SetInDocument(SettingsDocument &document, const QString &assignment);

// Builds the record from the defaults as a user would in the windows: the
// values go into the camera, sender, operator and page models, each dialog's
// OK and then the page's store them with their checks in their order. The
// first problems found end it, and the session may then hold a part.
QList<DocumentProblem> BuildSettings(const SettingsDocument &document, ProfileSession &session);
