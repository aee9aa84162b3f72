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
