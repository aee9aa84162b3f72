#include "platform/system_error.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

#ifdef Q_OS_WIN

int LastSystemError() { return int(::GetLastError()); }
void ClearSystemError() { ::SetLastError(ERROR_SUCCESS); }
int NoSpaceError() { return ERROR_DISK_FULL; }
int NotADirectoryError() { return ERROR_PATH_NOT_FOUND; }
int AccessDeniedError() { return ERROR_ACCESS_DENIED; }
int HardIOError() { return ERROR_GEN_FAILURE; }
bool IsFileNotFound(int error) { return error == ERROR_FILE_NOT_FOUND; }

#else

int LastSystemError() { return errno; }
void ClearSystemError() { errno = 0; }
int NoSpaceError() { return ENOSPC; }
int NotADirectoryError() { return ENOTDIR; }
int AccessDeniedError() { return EACCES; }
int HardIOError() { return EIO; }
bool IsFileNotFound(int error) { return error == ENOENT; }

#endif
