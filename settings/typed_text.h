#pragma once

#include <QString>

// What an edit field takes of what the user types or pastes, and the note
// that tells the user what it left out and why. Nothing is left out silently.

struct TypedTextRule {
    enum class Characters {
        Any,         // a folder
        CodePage,    // record text: the characters Windows-1252 holds
        Digits,      // a number
        PhoneNumber, // digits; separators are dropped, a "+" refuses the whole edit
    };

    Characters characters = Characters::CodePage;
    int limit = -1;         // at most this many characters; none when negative
    bool upperCase = false; // letters shown in upper case where the code page has them
    bool secret = false;    // a masked password: the note never repeats its characters
};

struct TypedText {
    QString text; // what the field keeps
    int cursor = 0;
    // Nothing of the edit is taken (a "+" in a phone number): the field keeps what it held.
    bool refused = false;
    // Why something was left out, one sentence a line; empty when all was taken.
    QString note;
};

// The field's text after an edit, `cursor` standing behind what was typed
// or pasted: the characters the rule refuses are dropped, and what goes past
// the limit is cut just before the cursor, so the text that was there stays.
TypedText TakeTyped(const QString &input, int cursor, const TypedTextRule &rule);
