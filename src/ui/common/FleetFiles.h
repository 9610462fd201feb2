// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <string>

#include "fleet/ProgrammingLog.h"

// Where the desktop's jobs of several radios keep their programming log, and the backups its
// lines name.

// The folder kept in the settings, else the one beside the backups (fleet::DefaultLogPath);
// empty when neither is known.
QString LoadLogFolder();
// The message for the user when the folder could not be kept.
std::optional<std::string> SaveLogFolder(const QString& folder);
// The programming log in `folder`.
QString LogPathIn(const QString& folder);

// The plan kept beside a backup image (same name, .kmd16 or .kmd04), or empty when there is
// none.
std::string BackupPlanBeside(const std::string& imagePath);
// A log line's backup can still be opened: its image or the plan beside it is there.
bool BackupIsThere(const std::string& imagePath);

// What a radio's job changed: the plans of its before and after backups compared field by
// field (the image when it is there, else the plan beside it), one difference a line under a
// heading, or the words for the same plan; `failure` says why a backup could not be read.
struct BackupComparison {
    std::string text;
    std::string failure;
};
BackupComparison CompareBackups(const fleet::LogLine& line);
