#pragma once

// The operating system's own code for the call that failed last on this
// thread: errno on Unix, GetLastError() on Windows. Read it right after the
// failing call; anything called in between may change it.
int LastSystemError();
void ClearSystemError();

// Codes this program sets itself where the system gives none.
int NoSpaceError();      // a short write without an error: the disk is full
int NotADirectoryError(); // a file stands where a folder belongs
int AccessDeniedError();
int HardIOError();
bool IsFileNotFound(int error);
