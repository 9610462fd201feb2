// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <array>
#include <optional>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes of the status bar. Where the window system tells the lock
// keys' state (X11), a pane reads dark while its lock is on and greyed while off; elsewhere
// all three stay greyed. The state is read again when a lock key is pressed or released
// and when the application becomes active, never by polling.
class CStatusIndicators : public QObject {
    Q_OBJECT
public:
    explicit CStatusIndicators(QStatusBar& statusBar);

    struct LockState {
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };
    // The keyboard's lock state, or nullopt where the platform does not tell it.
    static std::optional<LockState> QueryLocks();

    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> m_panes{};  // CAP, NUM, SCRL
};
