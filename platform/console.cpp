#include "platform/console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace {

bool isConsole(DWORD which)
{
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(which), &mode) != 0;
}

bool hasHandle(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

Utf8Console::Utf8Console()
{
    if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) {
        m_savedCodePage = ::GetConsoleOutputCP();
        ::SetConsoleOutputCP(CP_UTF8);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

Utf8Console::~Utf8Console()
{
    std::fflush(stdout);
    std::fflush(stderr);
    // The console outlives the program: its code page goes back as it was.
    if (m_savedCodePage != 0)
        ::SetConsoleOutputCP(m_savedCodePage);
}

void AttachParentConsole()
{
    const bool output = hasHandle(STD_OUTPUT_HANDLE);
    const bool errors = hasHandle(STD_ERROR_HANDLE);
    if (output && errors)
        return; // redirected: the pipe or file is used as it is
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!errors)
        std::freopen("CONOUT$", "w", stderr);
}

#else

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;
void AttachParentConsole() {}

#endif
