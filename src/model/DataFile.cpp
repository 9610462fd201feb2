#include "model/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "model/Messages.h"

namespace datafile {
namespace {

// The field order of the file, one place for both directions. Offsets follow from the sizes
// (ints 4 bytes, doubles 8) with no gaps.
template <class Doc, class Fn>
void VisitHeader(Doc& d, Fn&& fn) {
    fn(d.m_nCompander);
    fn(d.m_bBeepOff);
    fn(d.m_bBusyLockout);
    fn(d.m_bCarrierToneOff);
    fn(d.m_bMarkedIdle);
    fn(d.m_nBand);
    fn(d.m_bMonitor);
    fn(d.m_nLookbackTime);
    fn(d.m_nPowerSaveDelay);
    fn(d.m_dRxOffTime);
    fn(d.m_dRxOnTime);
    fn(d.m_nScanDelay);
    fn(d.m_bScanIndicatorOff);
    fn(d.m_dScanSpeed);
    fn(d.m_bTxDelay);
    fn(d.m_nTxInhibit);
    fn(d.m_bTxTimeOut);
    fn(d.m_nTxTimeOut);
    fn(d.m_bPowerSave);
    fn(d.m_bPriorityUsed);
    fn(d.m_bPowerOnUsed);
    fn(d.m_nScanTx);
    fn(d.m_b16Channel);
}

template <class Record, class Fn>
void VisitRecord(Record& r, Fn&& fn) {
    fn(r.m_bStdSpacing);
    fn(r.m_bPriority);
    fn(r.m_bHighPower);
    fn(r.m_bPowerOn);
    fn(r.m_nRxCtcss);
    fn(r.m_nRxDcs);
    fn(r.m_dRxFreq);
    fn(r.m_bRxDcsInvert);
    fn(r.m_dRxNsc1);
    fn(r.m_dRxNsc2);
    fn(r.m_nRxSquelch);
    fn(r.m_bScan);
    fn(r.m_nTxCtcss);
    fn(r.m_nTxDcs);
    fn(r.m_dTxFreq);
    fn(r.m_bTxDcsInvert);
    fn(r.m_dTxNsc1);
    fn(r.m_dTxNsc2);
    fn(r.m_nTxSquelch);
    fn(r.m_nStepCode);
}

template <class T>
std::uint64_t Bits(T value) {
    if constexpr (sizeof(T) == 8) return std::bit_cast<std::uint64_t>(value);
    else return std::bit_cast<std::uint32_t>(value);
}

struct Writer {
    std::vector<std::uint8_t>& out;
    template <class T>
    void operator()(const T& value) const {
        const std::uint64_t bits = Bits(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
};

struct Reader {
    const std::uint8_t* p;
    template <class T>
    void operator()(T& value) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) bits |= std::uint64_t{p[i]} << (8 * i);
        p += sizeof(T);
        if constexpr (sizeof(T) == 8) value = std::bit_cast<T>(bits);
        else value = std::bit_cast<T>(static_cast<std::uint32_t>(bits));
    }
};

FileOutcome Failure(const char* message, int error) {
    return {false, message, error != 0 ? std::strerror(error) : std::string()};
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A fresh name beside the target, created exclusively so that no other file is touched.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

std::vector<std::uint8_t> SerializeDocument(const CKM42Doc& doc) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(FileSize(doc.ChannelCount()));
    VisitHeader(doc, Writer{bytes});
    for (int n = 1; n <= doc.ChannelCount(); ++n) VisitRecord(doc.Channel(n), Writer{bytes});
    return bytes;
}

bool DeserializeDocument(const std::uint8_t* data, std::size_t size, CKM42Doc& doc) {
    if (size < kHeaderSize) return false;
    CKM42Doc loaded = doc;
    Reader reader{data};
    VisitHeader(loaded, reader);
    if (size < FileSize(loaded.ChannelCount())) return false;
    for (int n = 1; n <= loaded.ChannelCount(); ++n) VisitRecord(loaded.Channel(n), reader);
    doc = loaded;
    return true;
}

FileOutcome SaveDocument(const CKM42Doc& doc, const std::string& path) {
    return SaveBytes(SerializeDocument(doc), path);
}

FileOutcome SaveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    std::string tempPath;
    const int fd = CreateTemporaryBeside(path, tempPath);
    if (fd < 0) return Failure(msg::kCannotSaveFile, errno);

    // Keep the permissions of a file we replace; a new file gets the usual 0666 & ~umask.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);

    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = written ? 0 : errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        return Failure(msg::kCannotSaveFile, written ? errno : writeError);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(tempPath.c_str());
        return Failure(msg::kCannotSaveFile, renameError);
    }
    return {};
}

FileOutcome OpenDocument(CKM42Doc& doc, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return Failure(msg::kCannotOpenFile, errno);
    if (!S_ISREG(info.st_mode)) return Failure(msg::kCannotOpenFile, EISDIR);

    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure(msg::kCannotOpenFile, errno);
    // Only the header and the largest plan matter; a huge foreign file is not slurped whole.
    std::vector<std::uint8_t> bytes(FileSize(kMaxChannels));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return Failure(msg::kCannotOpenFile, errno);
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    if (!DeserializeDocument(bytes.data(), bytes.size(), doc))
        return {false, msg::kCannotOpenFile, "the file is shorter than a complete plan"};
    return {};
}

}  // namespace datafile
