// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files and images on POSIX.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>

#include "model/FileAccessPlatform.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace fileio {
namespace {

// As many links as the kernel follows before it says ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr std::intptr_t kNoFile = -1;
constexpr mode_t kOwnerOnly = 0600;
constexpr mode_t kUmaskDecides = 0666;

Refusal SystemReason(int error) {
    return std::string(std::strerror(error));
}

Refusal WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return SystemReason(errno);
        if (n == 0) return SystemReason(EIO);
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

// What link() says on a file system that gives no file a second name (FAT, some network shares).
bool NoSecondNames(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS;
}

// Where there are no links, the name is claimed by creating it exclusively and written there;
// a write that fails takes the name away again.
NameClaim CreateExclusively(const std::string& target, std::span<const std::uint8_t> bytes,
                            std::string& why) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
    if (fd < 0) {
        if (errno == EEXIST) return NameClaim::InUse;
        why = std::strerror(errno);
        return NameClaim::Failed;
    }
    (void)::fchmod(fd, kOwnerOnly);
    Refusal failure = WriteAll(fd, bytes);
    if (!failure && ::fsync(fd) != 0) failure = SystemReason(errno);
    if (::close(fd) != 0 && !failure) failure = SystemReason(errno);
    if (!failure) return NameClaim::Claimed;
    ::unlink(target.c_str());
    why = *failure;
    return NameClaim::Failed;
}

// An administrator editing a user's plan leaves it the user's: owner and group first (a
// change of owner clears set-id bits), then the mode. Where the owner cannot be kept (an
// ordinary user replacing a group member's file) the group still is.
void CarryOverTo(int fd, const platform::ExistingFile& old) {
    const auto owner = static_cast<uid_t>(old.owner);
    const auto group = static_cast<gid_t>(old.group);
    if (owner != ::geteuid() || group != ::getegid()) {
        if (::fchown(fd, owner, group) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), group);
    }
    (void)::fchmod(fd, static_cast<mode_t>(old.mode & 07777));
}

}  // namespace

namespace platform {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

Refusal FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0)
            return errno == ENOENT ? std::nullopt : SystemReason(errno);
        if (!S_ISLNK(info.st_mode)) return std::nullopt;
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) return SystemReason(errno);
        link.resize(static_cast<std::size_t>(length));
        target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return SystemReason(ELOOP);
}

Refusal CheckTarget(const std::string& target, ExistingFile& old) {
    old = {};
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? std::nullopt : SystemReason(errno);
    old = {true, static_cast<std::uint32_t>(info.st_mode), static_cast<std::uint32_t>(info.st_uid),
           static_cast<std::uint32_t>(info.st_gid)};
    if (S_ISDIR(info.st_mode)) return SystemReason(EISDIR);
    if (!S_ISREG(info.st_mode)) return std::string(msg::kFileNotRegular);
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return std::string(msg::kFileReadOnly);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return SystemReason(errno);
    return std::nullopt;
}

CTemporaryFile::CTemporaryFile(const std::string& folder, Readers readers) : m_Handle(kNoFile) {
    const mode_t mode = readers == Readers::OwnerOnly ? kOwnerOnly : kUmaskDecides;
    static std::atomic<unsigned> s_nCounter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        m_strPath = folder + "/" +
                    FormatText(".prg715-%x-%x.tmp", static_cast<unsigned>(::getpid()),
                               s_nCounter.fetch_add(1));
        fd = ::open(m_strPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        const int error = fd < 0 ? errno : 0;
        m_CreationFailure = fd < 0 ? SystemReason(error) : std::nullopt;
        if (fd < 0 && error != EEXIST) break;
    }
    // A umask may take more than the group's and others' bits; the owner keeps read and write.
    if (fd >= 0 && readers == Readers::OwnerOnly) (void)::fchmod(fd, kOwnerOnly);
    m_Handle = fd;
    m_bPresent = fd >= 0;
}

CTemporaryFile::~CTemporaryFile() {
    if (m_Handle != kNoFile) ::close(static_cast<int>(m_Handle));
    if (m_bPresent) ::unlink(m_strPath.c_str());
}

void CTemporaryFile::CarryOver(const ExistingFile& old) {
    CarryOverTo(static_cast<int>(m_Handle), old);
}

Refusal CTemporaryFile::Write(std::span<const std::uint8_t> bytes) {
    return WriteAll(static_cast<int>(m_Handle), bytes);
}

Refusal CTemporaryFile::Flush() {
    if (::fsync(static_cast<int>(m_Handle)) != 0) return SystemReason(errno);
    return std::nullopt;
}

Refusal CTemporaryFile::Close() {
    const int fd = static_cast<int>(m_Handle);
    m_Handle = kNoFile;
    if (::close(fd) != 0) return SystemReason(errno);
    return std::nullopt;
}

Refusal CTemporaryFile::Replace(const std::string& target) {
    if (::rename(m_strPath.c_str(), target.c_str()) != 0) return SystemReason(errno);
    m_bPresent = false;
    return std::nullopt;
}

// A second name for the temporary: link() never replaces what is there, so of processes
// claiming one name at once exactly one succeeds. The temporary's own name goes with it.
NameClaim CTemporaryFile::ClaimName(const std::string& target, std::span<const std::uint8_t> bytes,
                                    std::string& why) {
    if (::link(m_strPath.c_str(), target.c_str()) == 0) return NameClaim::Claimed;
    const int error = errno;
    if (error == EEXIST) return NameClaim::InUse;
    if (NoSecondNames(error)) return CreateExclusively(target, bytes, why);
    why = *SystemReason(error);
    return NameClaim::Failed;
}

Refusal CTemporaryFile::WithdrawName(const std::string& target) {
    if (::unlink(target.c_str()) != 0) return SystemReason(errno);
    return std::nullopt;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

std::optional<bool> SameExistingFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return std::nullopt;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace platform

Refusal AppendToFile(const std::string& path, std::string_view text, std::string_view header) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kOwnerOnly);
    if (fd < 0) return SystemReason(errno);
    struct stat info {};
    Refusal why;
    if (::fstat(fd, &info) != 0) {
        why = SystemReason(errno);
    } else if (!S_ISREG(info.st_mode)) {
        why = std::string(msg::kFileNotRegular);
    } else {
        const std::string whole = (info.st_size == 0 ? std::string(header) : "") + std::string(text);
        why = WriteAll(fd, {reinterpret_cast<const std::uint8_t*>(whole.data()), whole.size()});
        if (!why && ::fsync(fd) != 0) why = SystemReason(errno);
    }
    if (::close(fd) != 0 && !why) why = SystemReason(errno);
    return why;
}

Refusal ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                      std::uintmax_t* fullSize) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer before it can be refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return SystemReason(errno);
    struct stat info {};
    Refusal why;
    if (::fstat(fd, &info) != 0)
        why = SystemReason(errno);
    else if (S_ISDIR(info.st_mode))
        why = SystemReason(EISDIR);
    else if (!S_ISREG(info.st_mode))
        why = std::string(msg::kFileNotRegular);
    std::vector<std::uint8_t> taken(why ? 0 : limit);
    std::size_t done = 0;
    while (!why && done < taken.size()) {
        const ssize_t n = ::read(fd, taken.data() + done, taken.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) why = SystemReason(errno);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (why) return why;
    taken.resize(done);
    bytes = std::move(taken);
    if (fullSize != nullptr) *fullSize = static_cast<std::uintmax_t>(info.st_size);
    return std::nullopt;
}

void IgnoreFileSizeSignal() {
    static std::once_flag s_Once;
    std::call_once(s_Once, [] { ::signal(SIGXFSZ, SIG_IGN); });
}

}  // namespace fileio
