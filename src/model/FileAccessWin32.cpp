// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files and images on Windows. Names arrive in UTF-8 and become wide names here.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "model/FileAccessPlatform.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/Win32Text.h"

namespace fileio {
namespace {

const std::intptr_t kNoFile = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kReadPiece = 1U << 20;

Refusal Reason(DWORD error) {
    return win32::ErrorText(error);
}

Refusal LastReason() {
    return Reason(::GetLastError());
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// A file or folder opened only to be looked at (links followed), closed with the object.
class CLookedAt {
public:
    explicit CLookedAt(const std::string& path, DWORD access = FILE_READ_ATTRIBUTES)
        : m_Handle(::CreateFileW(win32::FileName(path).c_str(), access, kShareAll, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)),
          m_Error(m_Handle == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS) {}
    ~CLookedAt() {
        if (m_Handle != INVALID_HANDLE_VALUE) ::CloseHandle(m_Handle);
    }
    CLookedAt(const CLookedAt&) = delete;
    CLookedAt& operator=(const CLookedAt&) = delete;

    bool IsOpen() const { return m_Handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return m_Handle; }
    DWORD Error() const { return m_Error; }
    // Why a regular file cannot be read or replaced here: a folder, a device or a pipe.
    Refusal NotARegularFile(BY_HANDLE_FILE_INFORMATION& info) const {
        if (::GetFileType(m_Handle) != FILE_TYPE_DISK) return std::string(msg::kFileNotRegular);
        if (!::GetFileInformationByHandle(m_Handle, &info)) return LastReason();
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return std::string(std::strerror(EISDIR));
        return std::nullopt;
    }

private:
    HANDLE m_Handle;
    DWORD m_Error;
};

std::string Joined(const std::string& folder, const std::string& name) {
    const char last = folder.empty() ? '\\' : folder.back();
    return last == '\\' || last == '/' || last == ':' ? folder + name : folder + "\\" + name;
}

}  // namespace

namespace platform {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return path.size() > 2 && path[1] == ':' ? path.substr(0, 2) : ".";  // "C:name"
    std::string folder = path.substr(0, slash == 0 ? 1 : slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // "C:\name"
    return folder;
}

// Only a symbolic link is resolved; the file it finally names is the one replaced.
Refusal FollowLinks(const std::string& path, std::string& target) {
    target = path;
    const DWORD attributes = ::GetFileAttributesW(win32::FileName(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return std::nullopt;
    const CLookedAt file(path);
    if (!file.IsOpen()) return IsMissing(file.Error()) ? std::nullopt : Reason(file.Error());
    std::wstring name(MAX_PATH, L'\0');
    DWORD length =
        ::GetFinalPathNameByHandleW(file.Handle(), name.data(), static_cast<DWORD>(name.size()), 0);
    if (length >= name.size()) {
        name.resize(length + 1);
        length = ::GetFinalPathNameByHandleW(file.Handle(), name.data(),
                                             static_cast<DWORD>(name.size()), 0);
    }
    if (length == 0) return LastReason();
    name.resize(length);
    constexpr std::wstring_view kLongPrefix = LR"(\\?\)";
    if (name.starts_with(kLongPrefix) && name.size() > 6 && name[5] == L':')
        name.erase(0, kLongPrefix.size());  // \\?\C:\... back to C:\...
    target = win32::Utf8(name);
    return std::nullopt;
}

Refusal CheckTarget(const std::string& target, ExistingFile& old) {
    old = {};
    const CLookedAt file(target);
    if (!file.IsOpen()) return IsMissing(file.Error()) ? std::nullopt : Reason(file.Error());
    old.exists = true;
    BY_HANDLE_FILE_INFORMATION info{};
    if (Refusal why = file.NotARegularFile(info)) return why;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        return std::string(msg::kFileReadOnly);
    return std::nullopt;
}

// The folder's inherited access rights decide who may read: under the user's local application
// data folder, the user alone.
CTemporaryFile::CTemporaryFile(const std::string& folder, Readers) : m_Handle(kNoFile) {
    static std::atomic<unsigned> s_nCounter{0};
    for (int attempt = 0; attempt < 100 && m_Handle == kNoFile; ++attempt) {
        m_strPath = Joined(folder, FormatText(".prg715-%lx-%x.tmp", ::GetCurrentProcessId(),
                                              s_nCounter.fetch_add(1)));
        const HANDLE file = ::CreateFileW(win32::FileName(m_strPath).c_str(), GENERIC_WRITE, 0,
                                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = file == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
        m_Handle = reinterpret_cast<std::intptr_t>(file);
        m_CreationFailure = error != ERROR_SUCCESS ? Reason(error) : std::nullopt;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    m_bPresent = m_Handle != kNoFile;
}

CTemporaryFile::~CTemporaryFile() {
    if (m_Handle != kNoFile) ::CloseHandle(AsHandle(m_Handle));
    if (m_bPresent) ::DeleteFileW(win32::FileName(m_strPath).c_str());
}

// ReplaceFileW keeps the replaced file's attributes and access rights by itself.
void CTemporaryFile::CarryOver(const ExistingFile&) {}

Refusal CTemporaryFile::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kReadPiece));
        DWORD written = 0;
        if (!::WriteFile(AsHandle(m_Handle), bytes.data() + done, piece, &written, nullptr))
            return LastReason();
        if (written == 0) return std::string(std::strerror(EIO));
        done += written;
    }
    return std::nullopt;
}

Refusal CTemporaryFile::Flush() {
    if (!::FlushFileBuffers(AsHandle(m_Handle))) return LastReason();
    return std::nullopt;
}

Refusal CTemporaryFile::Close() {
    const HANDLE file = AsHandle(m_Handle);
    m_Handle = kNoFile;
    if (!::CloseHandle(file)) return LastReason();
    return std::nullopt;
}

// ReplaceFileW where the target exists (it keeps the target's attributes); MoveFileExW where
// it does not, and where ReplaceFileW gave up after removing the target.
Refusal CTemporaryFile::Replace(const std::string& target) {
    const std::wstring to = win32::FileName(target);
    const std::wstring from = win32::FileName(m_strPath);
    bool replaced = false;
    if (::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES)
        replaced = ::ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    if (!replaced && !::MoveFileExW(from.c_str(), to.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastReason();
    m_bPresent = false;
    return std::nullopt;
}

// Without MOVEFILE_REPLACE_EXISTING a move never replaces what is there, so of processes
// claiming one name at once exactly one succeeds; the bytes then live under that name only.
NameClaim CTemporaryFile::ClaimName(const std::string& target, std::span<const std::uint8_t>,
                                    std::string& why) {
    if (::MoveFileExW(win32::FileName(m_strPath).c_str(), win32::FileName(target).c_str(),
                      MOVEFILE_WRITE_THROUGH)) {
        m_bPresent = false;
        return NameClaim::Claimed;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return NameClaim::InUse;
    why = *Reason(error);
    return NameClaim::Failed;
}

// The bytes go back under the temporary's name, ready for another claim or to be removed.
Refusal CTemporaryFile::WithdrawName(const std::string& target) {
    if (!::MoveFileExW(win32::FileName(target).c_str(), win32::FileName(m_strPath).c_str(),
                       MOVEFILE_WRITE_THROUGH))
        return LastReason();
    m_bPresent = true;
    return std::nullopt;
}

// MOVEFILE_WRITE_THROUGH has already made the rename durable.
void SyncFolder(const std::string&) {}

std::optional<bool> SameExistingFile(const std::string& a, const std::string& b) {
    const CLookedAt first(a);
    const CLookedAt second(b);
    BY_HANDLE_FILE_INFORMATION one{};
    BY_HANDLE_FILE_INFORMATION other{};
    if (!first.IsOpen() || !second.IsOpen() ||
        !::GetFileInformationByHandle(first.Handle(), &one) ||
        !::GetFileInformationByHandle(second.Handle(), &other))
        return std::nullopt;
    return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

}  // namespace platform

Refusal ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                      std::uintmax_t* fullSize) {
    const CLookedAt file(path, GENERIC_READ);
    if (!file.IsOpen()) return Reason(file.Error());
    BY_HANDLE_FILE_INFORMATION info{};
    if (Refusal why = file.NotARegularFile(info)) return why;
    std::vector<std::uint8_t> taken(limit);
    std::size_t done = 0;
    while (done < taken.size()) {
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(taken.size() - done, kReadPiece));
        DWORD got = 0;
        if (!::ReadFile(file.Handle(), taken.data() + done, piece, &got, nullptr))
            return LastReason();
        if (got == 0) break;
        done += got;
    }
    taken.resize(done);
    bytes = std::move(taken);
    if (fullSize != nullptr)
        *fullSize = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return std::nullopt;
}

Refusal AppendToFile(const std::string& path, std::string_view text, std::string_view header) {
    const HANDLE file = ::CreateFileW(
        win32::FileName(path).c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastReason();
    Refusal why;
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        why = std::string(msg::kFileNotRegular);
    } else if (!::GetFileSizeEx(file, &size)) {
        why = LastReason();
    } else {
        const std::string whole =
            (size.QuadPart == 0 ? std::string(header) : "") + std::string(text);
        DWORD written = 0;
        if (!::WriteFile(file, whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr) ||
            written != whole.size() || !::FlushFileBuffers(file))
            why = LastReason();
    }
    ::CloseHandle(file);
    return why;
}

// Windows has no file-size signal.
void IgnoreFileSizeSignal() {}

}  // namespace fileio
