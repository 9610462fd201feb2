// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The operating system's side of plan files and radio images: the one way a file is replaced
// and the checks made before one is read. Everything that writes a plan or an image (desktop,
// command line, virtual radio) goes through ReplaceFile, or through CNewFile where it must never
// replace anything (backups). Paths are UTF-8 on every platform.
namespace fileio {

namespace platform {
class CTemporaryFile;
}

// Why an operation cannot be done, in the system's words ("Permission denied"); nullopt when
// it can.
using Refusal = std::optional<std::string>;

// Replaces the file at `path` with `bytes`, all or nothing: the bytes go to a temporary file
// beside the target (under a short name, so that any legal file name can be saved), reach the
// disk, and are then renamed over the target. A symbolic link is followed and stays a link;
// the replaced file keeps its permissions, owner and group. A read-only file, a folder or a
// device is refused. On failure the previous file is byte-identical and no temporary is left.
// A hard link's other names keep the old bytes, as with any editor that saves this way.
Refusal ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// What became of a name a new file was to take.
enum class NameClaim { Claimed, InUse, Failed };

// A new file that never replaces another: its bytes are written in full beside the name it is
// to take and brought to the disk before any name is claimed, so a file under a claimed name
// is complete, and a write that fails (a full disk) leaves nothing behind. Of several processes
// claiming one name at once exactly one gets it. The file is its owner's alone (0600 on POSIX,
// whatever the umask); the temporary goes with the object.
class CNewFile {
public:
    // `folder` is the one every name claimed lies in.
    CNewFile(const std::string& folder, std::span<const std::uint8_t> bytes);
    ~CNewFile();
    CNewFile(const CNewFile&) = delete;
    CNewFile& operator=(const CNewFile&) = delete;

    // Why the bytes could not be written, or nullopt.
    const Refusal& Failure() const { return m_Failure; }
    // Gives the bytes the name `path` if nothing has that name yet; `why` says why not for
    // Failed. One name at a time: a claimed name is withdrawn before another is claimed.
    NameClaim Claim(const std::string& path, std::string& why);
    // Gives the claimed name up again (the file under it goes), keeping the bytes for another.
    Refusal Withdraw();

private:
    std::string m_strFolder;
    std::vector<std::uint8_t> m_Bytes;
    std::unique_ptr<platform::CTemporaryFile> m_Temporary;
    Refusal m_Failure;
    std::string m_strClaimed;
};

// What ReplaceFile would refuse before any byte is written (the target's kind and
// permissions, a folder where no file can be created), so that a long operation can check
// its destination before it starts.
Refusal CheckReplaceable(const std::string& path);

// Reads up to `limit` bytes from the start of a regular file. A folder, a device or a pipe
// is refused before anything is read (so /dev/zero cannot run on and a FIFO cannot hang).
// `fullSize`, when given, receives the file's size.
Refusal ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                      std::uintmax_t* fullSize = nullptr);

// Adds `text` at the end of the regular file at `path` and brings it to the disk before
// returning, so that a crash or a pulled plug afterwards loses none of it; `header` goes first
// into a file that is new or empty. A new file is its owner's alone (0600 on POSIX). Each call
// is one write, so lines appended by several processes do not interleave.
Refusal AppendToFile(const std::string& path, std::string_view text, std::string_view header = {});

// Whether two paths name the same file: by device and inode when both exist (so symbolic
// and hard links and "./" spellings count), else by their normalised spelling.
bool IsSameFile(const std::string& a, const std::string& b);

// A file-size limit (ulimit -f) must fail a write with "File too large" instead of killing
// the program with SIGXFSZ. Called by ReplaceFile; programs that write files by other means
// (the PDF report) call it at start.
void IgnoreFileSizeSignal();

}  // namespace fileio
