#pragma once
#include <string>
#include <vector>

#include "model/DataFile.h"
#include "model/KM42Doc.h"

namespace cli {

inline bool HasExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
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
