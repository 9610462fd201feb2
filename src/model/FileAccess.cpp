#include "model/FileAccess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace fileio {
namespace {

// As many links as the kernel follows before it says ELOOP.
constexpr int kMaxLinkHops = 40;

Refusal SystemReason(int error) {
    return std::string(std::strerror(error));
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save must replace: symbolic links in the last part of the path are followed, so
// the link itself is kept and its target is written.
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

// An existing target must be a regular file this user may write: replacing a read-only file
// or someone else's by renaming over it would pass by the permission meant to protect it.
Refusal CheckTarget(const std::string& target, struct stat& old, bool& exists) {
    exists = false;
    if (::stat(target.c_str(), &old) != 0)
        return errno == ENOENT ? std::nullopt : SystemReason(errno);
    exists = true;
    if (S_ISDIR(old.st_mode)) return SystemReason(EISDIR);
    if (!S_ISREG(old.st_mode)) return std::string(msg::kFileNotRegular);
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return std::string(msg::kFileReadOnly);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return SystemReason(errno);
    return std::nullopt;
}

// A fresh file beside the target under a short name, created exclusively so that no other
// file is touched; removed again unless it was renamed into place.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::string& folder) {
        static std::atomic<unsigned> s_nCounter{0};
        for (int attempt = 0; attempt < 100 && m_nFd < 0; ++attempt) {
            m_strPath = folder + "/" +
                        FormatText(".prg715-%x-%x.tmp", static_cast<unsigned>(::getpid()),
                                   s_nCounter.fetch_add(1));
            // 0666 lets the umask decide, as for any new file.
            m_nFd = ::open(m_strPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            m_nError = m_nFd < 0 ? errno : 0;
            if (m_nFd < 0 && m_nError != EEXIST) break;
        }
        m_bPresent = m_nFd >= 0;
    }
    ~CTemporaryFile() {
        if (m_nFd >= 0) ::close(m_nFd);
        if (m_bPresent) ::unlink(m_strPath.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    int Fd() const { return m_nFd; }
    int Error() const { return m_nError; }

    // Closing reports what a deferred write-back found (a full disk on some file systems).
    bool Close() {
        const int fd = m_nFd;
        m_nFd = -1;
        return ::close(fd) == 0;
    }
    bool RenameOver(const std::string& target) {
        if (::rename(m_strPath.c_str(), target.c_str()) != 0) return false;
        m_bPresent = false;
        return true;
    }

private:
    std::string m_strPath;
    int m_nFd = -1;
    int m_nError = 0;
    bool m_bPresent = false;  // still to be removed
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// An administrator editing a user's plan leaves it the user's: owner and group first (a
// change of owner clears set-id bits), then the mode. Where the owner cannot be kept (an
// ordinary user replacing a group member's file) the group still is.
void CarryOver(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    (void)::fchmod(fd, old.st_mode & 07777);
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

Refusal ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    IgnoreFileSizeSignal();
    std::string target;
    if (Refusal why = FollowLinks(path, target)) return why;
    struct stat old {};
    bool replacing = false;
    if (Refusal why = CheckTarget(target, old, replacing)) return why;

    CTemporaryFile temporary(FolderOf(target));
    if (temporary.Fd() < 0) return SystemReason(temporary.Error());
    if (replacing) CarryOver(temporary.Fd(), old);
    if (!WriteAll(temporary.Fd(), bytes) || ::fsync(temporary.Fd()) != 0)
        return SystemReason(errno);
    if (!temporary.Close()) return SystemReason(errno);
    if (!temporary.RenameOver(target)) return SystemReason(errno);
    SyncFolder(FolderOf(target));
    return std::nullopt;
}

Refusal CheckReplaceable(const std::string& path) {
    std::string target;
    if (Refusal why = FollowLinks(path, target)) return why;
    struct stat old {};
    bool exists = false;
    if (Refusal why = CheckTarget(target, old, exists)) return why;
    const CTemporaryFile probe(FolderOf(target));
    if (probe.Fd() < 0) return SystemReason(probe.Error());
    return std::nullopt;
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

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    std::error_code error;
    const std::filesystem::path left = std::filesystem::weakly_canonical(a, error);
    if (error) return a == b;
    const std::filesystem::path right = std::filesystem::weakly_canonical(b, error);
    return error ? a == b : left == right;
}

void IgnoreFileSizeSignal() {
    static std::once_flag s_Once;
    std::call_once(s_Once, [] { ::signal(SIGXFSZ, SIG_IGN); });
}

}  // namespace fileio
