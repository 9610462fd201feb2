#pragma once
#include <string>

#include "model/DataFile.h"
#include "model/KM42Doc.h"

namespace cli {

// A name typed without an extension gets the one that matches the plan's channel count, as
// the desktop's save dialog does.
inline std::string WithPlanExtension(const std::string& path, const CKM42Doc& doc) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    if (hasExtension) return path;
    return path + (doc.m_b16Channel != 0 ? datafile::kExtension16 : datafile::kExtension4);
}

}  // namespace cli
