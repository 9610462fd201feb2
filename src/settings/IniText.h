// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

// The settings file as the desktop's Qt settings have always written and read it: [groups],
// key=value lines, values with Qt's quoting and backslash escapes, ';' comments. Only the
// entries named are read or changed; every other line (window placement, comments, whatever a
// later version adds) stays byte for byte.
namespace settings::ini {

// The unescaped text of `key` in `group` (the last one where a group or key is there twice, as
// Qt reads it); nullopt when missing, or when a comma outside quotes makes the value a list.
std::optional<std::string> Value(std::string_view text, std::string_view group,
                                 std::string_view key);

// `text` with `key` in `group` set to `value`: its line is replaced, else the key is added to
// the end of its group, else the group to the end of the text.
std::string WithValue(std::string_view text, std::string_view group, std::string_view key,
                      std::string_view value);

// Qt's spelling of a value in the file (quotes where a comma, semicolon, equals sign or an
// outer space needs them; backslash escapes), and the way back.
std::string Escaped(std::string_view value);
std::optional<std::string> Unescaped(std::string_view stored);

}  // namespace settings::ini
