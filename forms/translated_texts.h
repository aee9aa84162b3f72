#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

// A list's texts, marked with QT_TRANSLATE_NOOP where they are written, in the
// language installed now. Lists are translated on each call and never kept, so
// that no list keeps the language it was first made in.
template <typename Sources>
QStringList TranslatedTexts(const char *context, const Sources &sources)
{
    QStringList texts;
    texts.reserve(qsizetype(std::size(sources)));
    for (const char *source : sources)
        texts.append(QCoreApplication::translate(context, source));
    return texts;
}

// A table's text or list, made in the language installed now each time it is
// read, so that a table built once never keeps the first language.
struct TranslatedText {
    QString (*make)();

    operator QString() const { return make(); }
};

struct TranslatedList {
    QStringList (*make)();

    operator QStringList() const { return make(); }
    qsizetype size() const { return make().size(); }
};
