// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "link/PortMap.h"
#include "session/RadioSession.h"

// What the user chose once for both front ends: which devices COM1 and COM2 stand for, and the
// checks around a write (and, for the desktop's Program Several Radios, the log's folder). They are
// kept where the desktop has always kept them, so that "COM1" means the same radio to the desktop
// and to prg715-cli.
namespace settings {

// $XDG_CONFIG_HOME/PRG-715/PRG-715.conf, or ~/.config/PRG-715/PRG-715.conf (the file the
// desktop's Qt settings use); on Windows the registry key the desktop's Qt settings use there,
// HKEY_CURRENT_USER\Software\PRG-715\PRG-715.
std::string DefaultLocation();

// A missing or unusable entry gives its default (the motherboard ports; no checks).
CPortMap LoadPortMap(const std::string& location = DefaultLocation());
session::WriteChecks LoadWriteChecks(const std::string& location = DefaultLocation());

// Each changes only its own entries, everything else kept there stays as it is. nullopt when
// saved, else the message for the user (which place, and why not).
std::optional<std::string> SavePortMap(const CPortMap& map,
                                       const std::string& location = DefaultLocation());
std::optional<std::string> SaveWriteChecks(const session::WriteChecks& checks,
                                           const std::string& location = DefaultLocation());

// The folder the desktop's last job of several radios kept its programming log in: a full
// path, or empty when none was chosen (or the entry is not one).
std::string LoadLogFolder(const std::string& location = DefaultLocation());
std::optional<std::string> SaveLogFolder(const std::string& folder,
                                         const std::string& location = DefaultLocation());

// The desktop's language for its next start: a code such as "de" or "pt_BR", "en" for English,
// empty to follow the system's language (also when the entry is not a language code).
std::string LoadLanguage(const std::string& location = DefaultLocation());
std::optional<std::string> SaveLanguage(const std::string& code,
                                        const std::string& location = DefaultLocation());

}  // namespace settings
