// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The release and the licence, as every program's --version states them.
#include <string>
#include <string_view>
#include <vector>

namespace program {

// The release this build is of ("2.5").
const char* Version();

// "prg715-cli 2.5", the program's own lines (the desktop names its Qt), then the licence; ends
// with a newline.
std::string VersionText(std::string_view program, const std::vector<std::string>& ownLines = {});

}  // namespace program
