// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual radio where there are no pseudo-terminals (Windows): it exists so that callers
// need no build switches, and says why it cannot start.
#include "link/VirtualRadio.h"
#include "model/Messages.h"

namespace radiolink {

CVirtualRadio::CVirtualRadio(const LineImage& memory, Options options)
    : m_Options(std::move(options)), m_Unit{memory, m_Options.faults} {}

CVirtualRadio::~CVirtualRadio() = default;

bool CVirtualRadio::Supported() {
    return false;
}

bool CVirtualRadio::Start(std::string& error) {
    error = msg::kVirtualRadioNeedsPty;
    return false;
}

void CVirtualRadio::Stop() {}

bool CVirtualRadio::WaitForReadsServed(int, std::chrono::milliseconds) {
    return false;
}

LineImage CVirtualRadio::Memory() const {
    std::lock_guard guard(m_MemoryMutex);
    return m_Unit.memory;
}

int CVirtualRadio::RadioNumber() const {
    std::lock_guard guard(m_MemoryMutex);
    return m_nRadio;
}

void CVirtualRadio::Connect(const RadioUnit& unit) {
    std::lock_guard guard(m_MemoryMutex);
    m_Unit = unit;
    ++m_nRadio;
}

}  // namespace radiolink
