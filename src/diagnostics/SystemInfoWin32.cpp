// SPDX-License-Identifier: GPL-3.0-or-later
// The system and its serial devices as Windows shows them: the kernel's version (which, unlike
// GetVersionEx, does not depend on the program's manifest) and the COM names in the device
// namespace.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "diagnostics/DiagnosticReport.h"
#include "model/PlanText.h"

namespace diagnostics {
namespace {

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

int ComNumber(const std::string& name) {
    return std::atoi(name.c_str() + 3);
}

}  // namespace

std::string PlatformText() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto getVersion = ntdll != nullptr ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(
                                                   ::GetProcAddress(ntdll, "RtlGetVersion")))
                                             : nullptr;
    if (getVersion == nullptr || getVersion(&info) != 0) return "Windows";
    return FormatText("Windows %lu.%lu build %lu", info.dwMajorVersion, info.dwMinorVersion,
                      info.dwBuildNumber);
}

std::vector<std::string> SerialDevicesPresent() {
    std::vector<wchar_t> names(65536);
    DWORD length = 0;
    while ((length = ::QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()))) == 0 &&
           ::GetLastError() == ERROR_INSUFFICIENT_BUFFER && names.size() < (1u << 22))
        names.resize(names.size() * 2);
    std::vector<std::string> devices;
    for (const wchar_t* name = names.data(); length != 0 && *name != L'\0';
         name += std::wcslen(name) + 1) {
        if (std::wcsncmp(name, L"COM", 3) != 0 || name[3] < L'0' || name[3] > L'9') continue;
        std::string ascii;
        for (const wchar_t* c = name; *c != L'\0'; ++c) ascii += static_cast<char>(*c);
        devices.push_back(ascii);
    }
    std::sort(devices.begin(), devices.end(), [](const std::string& a, const std::string& b) {
        return ComNumber(a) < ComNumber(b);
    });
    return devices;
}

}  // namespace diagnostics
