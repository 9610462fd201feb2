// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProgramInfo.h"

namespace program {

const char* Version() { return PRG715_VERSION; }

std::string VersionText(std::string_view program, const std::vector<std::string>& ownLines) {
    std::string text = std::string(program) + " " + Version() + "\n";
    for (const std::string& line : ownLines) text += line + "\n";
    return text;
}

}  // namespace program
