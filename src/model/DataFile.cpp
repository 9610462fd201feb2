// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DataFile.h"

#include <bit>

#include "model/FileAccess.h"
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
    if constexpr (sizeof(T) == 8)
        return std::bit_cast<std::uint64_t>(value);
    else
        return std::bit_cast<std::uint32_t>(value);
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
        if constexpr (sizeof(T) == 8)
            value = std::bit_cast<T>(bits);
        else
            value = std::bit_cast<T>(static_cast<std::uint32_t>(bits));
    }
};

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

Outcome SaveDocument(const CKM42Doc& doc, const std::string& path) {
    return SaveBytes(SerializeDocument(doc), path);
}

Outcome SaveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    if (const fileio::Refusal why = fileio::ReplaceFile(path, bytes))
        return Failed(msg::kCannotSaveFile, *why);
    return {};
}

Outcome OpenDocument(CKM42Doc& doc, const std::string& path) {
    // Only the header and the largest plan matter; a huge foreign file is not slurped whole.
    std::vector<std::uint8_t> bytes;
    if (const fileio::Refusal why = fileio::ReadFileStart(path, FileSize(kMaxChannels), bytes))
        return Failed(msg::kCannotOpenFile, *why);
    if (!DeserializeDocument(bytes.data(), bytes.size(), doc))
        return Failed(msg::kCannotOpenFile, "the file is shorter than a complete plan");
    return {};
}

}  // namespace datafile
