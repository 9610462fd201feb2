// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/DataFile.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"

// The names of the files commands write. One rule on every platform: both '/' and '\' end a
// folder part, so a name typed for Windows ("..\t1\imp", "C:\Users\john.smith\plan") gets the
// same extension, and the same refusals, on Linux.
namespace cli {

inline constexpr const char* kPathSeparators = "/\\";

// What follows the last folder part.
inline std::string FileNamePart(const std::string& path) {
    const std::size_t separator = path.find_last_of(kPathSeparators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A dot that starts the name (".hidden") begins no extension.
inline bool HasExtension(const std::string& path) {
    const std::string name = FileNamePart(path);
    const std::size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > 0;
}

// Why `name`, given to `option`, names no file that every platform would save as typed, or
// nullopt. Windows drops a name's trailing dots and spaces ("plan." would be saved as "plan"),
// so such names are refused everywhere rather than saved under another name on one platform.
inline std::optional<std::string> OutputNameRefusal(const std::string& option,
                                                    const std::string& name) {
    if (name.empty()) return FormatText(msg::kOutputNameEmpty, option.c_str());
    const std::string last = FileNamePart(name);
    if (last.empty() || last == "." || last == "..")
        return FormatText(msg::kOutputNameFolder, option.c_str(), name.c_str());
    if (last.back() == '.' || last.back() == ' ')
        return FormatText(msg::kOutputNameTrailing, option.c_str(), name.c_str());
    return std::nullopt;
}

// A name typed without an extension gets the one that matches the plan's channel count, as
// the desktop's save dialog does.
inline std::string WithPlanExtension(const std::string& path, const CKM42Doc& doc) {
    if (HasExtension(path)) return path;
    return path + (doc.m_b16Channel != 0 ? datafile::kExtension16 : datafile::kExtension4);
}

// Every name WithPlanExtension may give a plan whose channel count is not known yet.
inline std::vector<std::string> PlanPathCandidates(const std::string& path) {
    if (HasExtension(path)) return {path};
    return {path + datafile::kExtension16, path + datafile::kExtension4};
}

}  // namespace cli
