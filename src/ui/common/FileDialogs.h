// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/common/UiPrompts.h"

// The data-file dialogs of Open and Save: filter string and initial name. The first Open of
// a run offers every file, later ones only the current model's extension.
struct DataFileDialog {
    const char* filter;
    const char* initialName;  // also the default extension
};

inline constexpr DataFileDialog kOpenFirstTime{"PRG-715 Data File (*.*) | *.*||", "*.*"};
inline constexpr DataFileDialog kOpen16{"KM-161/162 Data File (*.kmd16) | *.kmd16||", "*.kmd16"};
inline constexpr DataFileDialog kOpen4{"KM-41/42 Data File (*.kmd04) | *.kmd04||", "*.kmd04"};
inline constexpr DataFileDialog kSave16 = kOpen16;
inline constexpr DataFileDialog kSave4 = kOpen4;

// Channel lists, for File > Import CSV... and Export CSV....
inline constexpr DataFileDialog kCsvFiles{"CSV Channel List (*.csv) | *.csv||", "*.csv"};

inline FileDialogRequest MakeRequest(const DataFileDialog& dialog) {
    return {QString::fromUtf8(dialog.filter), QString::fromUtf8(dialog.initialName)};
}
