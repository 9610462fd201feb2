// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/resource.h>

// A file-size limit (ulimit -f) for this process while the object lives: every write beyond
// `bytes` fails with "File too large", as on a full disk, also for root, whom a read-only
// folder does not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};
