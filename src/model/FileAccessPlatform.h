// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/FileAccess.h"

// The operating system's half of FileAccess: each platform has one source behind these
// declarations (FileAccessPosix.cpp, FileAccessWin32.cpp); the order of a save and the checks
// around it are FileAccess.cpp's.
namespace fileio::platform {

// The folder a file lies in, where its temporary goes ("." for a bare name).
std::string FolderOf(const std::string& path);

// The file a save must replace: symbolic links in the last part of the path are followed, so
// the link itself is kept and its target is written.
Refusal FollowLinks(const std::string& path, std::string& target);

// What a save keeps of the file it replaces.
struct ExistingFile {
    bool exists = false;
    std::uint32_t mode = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// An existing target must be a regular file this user may write: replacing a read-only file
// or someone else's by renaming over it would pass by the protection meant to keep it.
Refusal CheckTarget(const std::string& target, ExistingFile& old);

// Who may read a new temporary: whom the umask allows (one that replaces a file takes that
// file's permissions anyway), or its owner alone from the start, so no one can open it before
// it is made private.
enum class Readers { UmaskDecides, OwnerOnly };

// A fresh file beside the target under a short name (so that any legal file name can be
// saved), created exclusively so that no other file is touched; removed again unless it
// replaced the target.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::string& folder, Readers readers = Readers::UmaskDecides);
    ~CTemporaryFile();
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    // Why it could not be created, or nullopt.
    const Refusal& CreationFailure() const { return m_CreationFailure; }
    // Gives it the owner, group and permissions of the file it will replace, where the system
    // does not carry them over by itself.
    void CarryOver(const ExistingFile& old);
    Refusal Write(std::span<const std::uint8_t> bytes);
    // The bytes reach the disk before the file takes the target's place.
    Refusal Flush();
    // Closing reports what a deferred write-back found (a full disk on some file systems).
    Refusal Close();
    Refusal Replace(const std::string& target);
    // Gives the closed file's bytes the name `target` too, only if that name is free; `why`
    // for Failed. `bytes` are the file's, for file systems that cannot give a file two names.
    NameClaim ClaimName(const std::string& target, std::span<const std::uint8_t> bytes,
                        std::string& why);
    // Gives up a name ClaimName took; the bytes stay ready for another.
    Refusal WithdrawName(const std::string& target);

private:
    std::string m_strPath;
    std::intptr_t m_Handle;  // descriptor or handle
    Refusal m_CreationFailure;
    bool m_bPresent = false;  // still to be removed
};

// Makes a rename in `folder` durable where the system needs to be told.
void SyncFolder(const std::string& folder);

// Whether two existing files are one (links and other spellings included); nullopt when
// either cannot be looked at.
std::optional<bool> SameExistingFile(const std::string& a, const std::string& b);

}  // namespace fileio::platform
