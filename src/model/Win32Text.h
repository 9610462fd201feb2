// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Windows only: the core speaks UTF-8; the system's file and device names are UTF-16. Names
// are converted here, at the boundary, and nowhere else.
namespace win32 {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// A file's name as the wide file functions take it. A name whose full path is too long for the
// classic limit (260) becomes that full path behind the \\?\ prefix, which the system takes at
// any length, whether or not long paths are enabled on the machine; other names stay as given.
std::wstring FileName(const std::string& utf8);

// A Windows error code (GetLastError) in the words the POSIX build uses for the same failure
// ("Permission denied", "No such file or directory"), or the system's own text.
std::string ErrorText(unsigned long error);

}  // namespace win32
