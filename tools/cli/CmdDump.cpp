// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "codec/RadioImage.h"
#include "model/PlanText.h"

namespace cli {
namespace {

// Sixteen bytes a line, labelled with the line number in hexadecimal as the memory map
// dialog shows them ("00" holds offsets 0x000 to 0x00F).
int RunDump(const std::string& path) {
    constexpr std::size_t kPerLine = 16;
    const std::vector<std::uint8_t> bytes = ReadImageFile(path);

    std::string head = "  ";
    for (std::size_t column = 0; column < kPerLine; ++column)
        head += FormatText("  %X", static_cast<unsigned>(column));
    std::printf("%s\n", head.c_str());
    for (std::size_t start = 0; start < bytes.size(); start += kPerLine) {
        std::string line = FormatText("%02zX", start / kPerLine);
        for (std::size_t i = start; i < bytes.size() && i < start + kPerLine; ++i)
            line += FormatText(" %02X", bytes[i]);
        std::printf("%s\n", line.c_str());
    }
    return kExitOk;
}

}  // namespace

void DeclareDump(CCommandSet& commands) {
    auto path = std::make_shared<std::string>();
    CLI::App& command = commands.Add("dump", "print a radio image in hexadecimal, 16 bytes a line",
                                     [path] { return RunDump(*path); });
    command.add_option("IMAGE", *path, "the radio image")->required();
}

}  // namespace cli
