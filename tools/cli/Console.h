// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdio>
#include <string>
#include <vector>

// The program's command line and standard streams as the operating system hands them over;
// each platform has its own source behind these declarations.
namespace cli {

// Called first by main. POSIX: a closed standard stream is held on a descriptor that cannot
// be written, so a file or port opened later never lands on it and output meant for it fails.
// Windows: the console shows the UTF-8 the program prints.
void PrepareStandardStreams();

// The arguments after the program's name, in UTF-8 on Windows too (where argv is in the
// ANSI code page, which cannot spell every file name).
std::vector<std::string> CommandArguments(int argc, char** argv);

// Whether `stream` is a terminal (a console window on Windows), where progress rewrites one
// line instead of adding lines.
bool IsTerminal(std::FILE* stream);

}  // namespace cli
