// SPDX-License-Identifier: GPL-3.0-or-later
#include <io.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "Console.h"
#include "model/Win32Text.h"

namespace cli {

// Files and ports are opened by handle, never as C runtime descriptors, so a closed standard
// stream cannot end up carrying one.
void PrepareStandardStreams() {
    ::SetConsoleOutputCP(CP_UTF8);
}

std::vector<std::string> CommandArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(win32::Utf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

// A console answers GetConsoleMode; the NUL device, which _isatty takes for a terminal, does
// not.
bool IsTerminal(std::FILE* stream) {
    const intptr_t handle = ::_get_osfhandle(::_fileno(stream));
    DWORD mode = 0;
    return handle != -1 && ::GetConsoleMode(reinterpret_cast<HANDLE>(handle), &mode) != 0;
}

}  // namespace cli
