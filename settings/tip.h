#pragma once

#include <QtGlobal>

// A tooltip's English text and the context it is translated in. The text is
// marked with QT_TRANSLATE_NOOP where it is written and translated where a
// view sets it; an empty tip means the label says it all.
struct Tip {
    const char *context = nullptr;
    const char *source = nullptr;

    bool isEmpty() const { return source == nullptr; }
};
