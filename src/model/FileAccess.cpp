// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FileAccess.h"

#include <filesystem>

#include "model/FileAccessPlatform.h"

namespace fileio {

Refusal ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    IgnoreFileSizeSignal();
    std::string target;
    if (Refusal why = platform::FollowLinks(path, target)) return why;
    platform::ExistingFile old;
    if (Refusal why = platform::CheckTarget(target, old)) return why;

    const std::string folder = platform::FolderOf(target);
    platform::CTemporaryFile temporary(folder);
    if (temporary.CreationFailure()) return temporary.CreationFailure();
    if (old.exists) temporary.CarryOver(old);
    if (Refusal why = temporary.Write(bytes)) return why;
    if (Refusal why = temporary.Flush()) return why;
    if (Refusal why = temporary.Close()) return why;
    if (Refusal why = temporary.Replace(target)) return why;
    platform::SyncFolder(folder);
    return std::nullopt;
}

CNewFile::CNewFile(const std::string& folder, std::span<const std::uint8_t> bytes)
    : m_strFolder(folder), m_Bytes(bytes.begin(), bytes.end()) {
    IgnoreFileSizeSignal();
    m_Temporary = std::make_unique<platform::CTemporaryFile>(folder, platform::Readers::OwnerOnly);
    m_Failure = m_Temporary->CreationFailure();
    if (!m_Failure) m_Failure = m_Temporary->Write(m_Bytes);
    if (!m_Failure) m_Failure = m_Temporary->Flush();
    if (!m_Failure) m_Failure = m_Temporary->Close();
}

CNewFile::~CNewFile() = default;

NameClaim CNewFile::Claim(const std::string& path, std::string& why) {
    if (m_Failure) {
        why = *m_Failure;
        return NameClaim::Failed;
    }
    const NameClaim claim = m_Temporary->ClaimName(path, m_Bytes, why);
    if (claim == NameClaim::Claimed) {
        m_strClaimed = path;
        platform::SyncFolder(m_strFolder);
    }
    return claim;
}

Refusal CNewFile::Withdraw() {
    Refusal why = m_Temporary->WithdrawName(m_strClaimed);
    if (!why) m_strClaimed.clear();
    return why;
}

Refusal CheckReplaceable(const std::string& path) {
    std::string target;
    if (Refusal why = platform::FollowLinks(path, target)) return why;
    platform::ExistingFile old;
    if (Refusal why = platform::CheckTarget(target, old)) return why;
    const platform::CTemporaryFile probe(platform::FolderOf(target));
    return probe.CreationFailure();
}

bool IsSameFile(const std::string& a, const std::string& b) {
    if (const std::optional<bool> same = platform::SameExistingFile(a, b)) return *same;
    // Paths are UTF-8 on every platform (not the Windows code page).
    const auto pathOf = [](const std::string& text) {
        return std::filesystem::path(std::u8string(text.begin(), text.end()));
    };
    std::error_code error;
    const std::filesystem::path left = std::filesystem::weakly_canonical(pathOf(a), error);
    if (error) return a == b;
    const std::filesystem::path right = std::filesystem::weakly_canonical(pathOf(b), error);
    return error ? a == b : left == right;
}

}  // namespace fileio
