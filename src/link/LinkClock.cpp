// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LinkClock.h"

#include <algorithm>

namespace radiolink {

void Pacer::Pause(LinkDuration length) {
    m_Schedule += length;
    m_Clock.SleepUntil(std::max(m_Schedule, m_Clock.Now() + length / 2));
}

}  // namespace radiolink
