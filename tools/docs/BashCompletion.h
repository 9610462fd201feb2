// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bash completion of a program of commands, written from its CLI11 declarations: the
// commands, each command's options, the fixed words an option takes ("KM41", "on", in any
// case), the forms of a value ("ctcss:TONE") with what their parts stand for in the core's
// lists (TONE, CODE), the radio-wide options for a NAME=VALUE, serial devices for a DEVICE and
// file names for files and arguments. Words bash splits at ':' and '=' are completed whole.
#include <CLI/CLI.hpp>
#include <string>

namespace docs {

// A script for bash-completion's completions folder, completing `program`.
std::string BashCompletion(const CLI::App& app, const std::string& program);

}  // namespace docs
