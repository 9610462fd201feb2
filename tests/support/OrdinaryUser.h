// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

// Who runs the programs of a test that must see what an ordinary user sees: root passes by
// file permissions and by a terminal's exclusive mode, so a test run as root would miss
// what locks users out. As root the programs run as `nobody`; as anyone else, as themselves.
struct OrdinaryUser {
    uid_t uid = 0;
    gid_t gid = 0;
    bool switchNeeded = false;

    // In a forked child before exec (system calls only): become that user, or end.
    void Become() const {
        if (!switchNeeded) return;
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(126);
    }
};

// The user, or nullopt with the reason this machine cannot run `programs` as one.
inline std::optional<OrdinaryUser> FindOrdinaryUser(const std::vector<std::string>& programs,
                                                    std::string& whyNot) {
    OrdinaryUser user;
    if (::geteuid() != 0) {
        user.uid = ::geteuid();
        user.gid = ::getegid();
        return user;
    }
    const struct passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        whyNot = "running as root, and there is no user 'nobody' to run the programs as";
        return std::nullopt;
    }
    user = {nobody->pw_uid, nobody->pw_gid, true};
    // The switch must really drop root, and the programs must be reachable for that user.
    const pid_t child = ::fork();
    if (child == 0) {
        user.Become();
        if (::setuid(0) == 0) ::_exit(125);
        for (const std::string& program : programs)
            if (::access(program.c_str(), X_OK) != 0) ::_exit(124);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 0) return user;
    whyNot = code == 124 ? "the built programs cannot be run by 'nobody' (folder permissions)"
                         : "running as root, and this machine does not allow switching to 'nobody'";
    return std::nullopt;
}
